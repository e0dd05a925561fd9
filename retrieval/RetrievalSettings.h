#pragma once
// The user's settings of the retrieval engine, read when a retrieval starts:
// under the program's key, section "Retrieval", the time limits of every page
// load in seconds ("ConnectTimeout", "StallTimeout", "OverallTimeout"), the
// time a retrieval may go without a whole page, across all its tries
// ("ProgressTimeout"), and a file of certificates to trust besides the
// system's ("TrustedCertificates").
// Missing or zero values keep the built-in defaults.

#include "platform/Settings.h"
#include "retrieval/browser/BrowserSession.h"

namespace gb::retrieval {

inline constexpr char kRetrievalSection[] = "Retrieval";

BrowserSession::Options ReadBrowserOptions(const Settings& settings);

}  // namespace gb::retrieval
