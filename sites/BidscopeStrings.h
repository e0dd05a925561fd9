#pragma once
// The site library's string table.

#include "platform/StringTable.h"

namespace gb::sites {

inline constexpr int IDS_UNKNOWN = 101;  // the bidder of a row with bids that names none

const StringTable& BidscopeStrings();

}  // namespace gb::sites
