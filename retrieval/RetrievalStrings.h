#pragma once
// The retrieval library's string table: the failure texts of codes 501 to 507
// and the names of the two session logs.

#include <string>

#include "platform/StringTable.h"

namespace gb::retrieval {

inline constexpr int IDS_SUMMARY_LOG = 1000;  // "AucSummary.txt"
inline constexpr int IDS_DETAILS_LOG = 1001;  // "AucDetail.txt"

inline constexpr int kFirstFailureCode = 501;
inline constexpr int kLastFailureCode = 507;

// Where users are sent when a retrieval keeps failing.
inline constexpr char kSupportAddress[] = "support@norvelsoftware.example";

const StringTable& RetrievalStrings();

// The text of a failure code: the table's text for 501 to 507, else
// "Unknown failure. Number is: <code>".
std::string FailureCodeText(int code);

}  // namespace gb::retrieval
