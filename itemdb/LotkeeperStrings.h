#pragma once
// The main program's table of user-visible texts: folder kinds (100-127), the
// standard column sets (496-499), field names (500-549) and messages.

#include <string>

#include "platform/StringTable.h"

namespace gb::itemdb {

namespace string_id {

// "Unknown": the text of a value that is null, invalid or not found.
inline constexpr int Unknown = 59419;

}  // namespace string_id

const gb::StringTable& LotkeeperStrings();

// The text of a string ID as an owned string.
std::string LoadString(int id);

}  // namespace gb::itemdb
