#include "platform/StringTable.h"

namespace gb {

StringTable::StringTable(std::initializer_list<Entry> entries)
    : texts_(entries.begin(), entries.end()) {}

std::string_view StringTable::Get(int id) const {
    const auto found = texts_.find(id);
    return found == texts_.end() ? std::string_view() : found->second;
}

}  // namespace gb
