#pragma once
// Items made of hostile texts, for the targets that render or export items.
// The head of an input describes them, one line each: "<field id> <text>"
// sets a field of the current item (any bytes but a line feed), and a line
// "-" starts the next item. The head ends at the first empty line; what
// follows is the target's own part.

#include <string_view>
#include <vector>

#include "itemdb/AucItem.h"

namespace gb::fuzz {

struct ItemsAndRest {
    std::vector<gb::itemdb::CAucItem> items;
    std::string_view rest;
};

ItemsAndRest ReadItems(std::string_view input);

}  // namespace gb::fuzz
