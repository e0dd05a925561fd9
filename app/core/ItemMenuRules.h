#pragma once
// Which item commands the item list's context menu offers, by the number of
// selected rows and the kind of folder on display, and which is its default.

#include <cstddef>
#include <cstdint>
#include <set>

namespace gb::app {

struct ItemMenuState {
    std::set<int> grayed;
    int defaultCommand = 0;
};

ItemMenuState ItemMenuRules(std::size_t selectedRows, std::int32_t folderType,
                            std::int32_t folderKind);

}  // namespace gb::app
