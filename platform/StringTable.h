#pragma once
// A deliverable's table of user-visible texts by string ID.

#include <initializer_list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace gb {

class StringTable {
public:
    using Entry = std::pair<int, std::string_view>;

    StringTable(std::initializer_list<Entry> entries);

    // The text of `id`, or the empty text when the table has none.
    std::string_view Get(int id) const;
    bool Contains(int id) const { return texts_.contains(id); }

private:
    std::unordered_map<int, std::string_view> texts_;
};

}  // namespace gb
