#pragma once
// The Item page of the item sheet: the texts its controls show and how they
// go back into the item, and the entries of its status list.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

struct StatusChoice {
    std::string text;
    std::int32_t status = 0;

    bool operator==(const StatusChoice&) const = default;
};

// An item in progress offers only "In Progress"; any other item "Needs
// Attention" and then every status folder in folder-tree order.
std::vector<StatusChoice> StatusChoices(const itemdb::CAucItem& item, itemdb::CFolderTree& folders);
// The entry whose status is the item's; the first entry when none is.
int StatusChoiceIndex(const std::vector<StatusChoice>& choices, std::int32_t status);

struct DescPageTexts {
    std::string auctionId;
    std::string sellerId;
    std::string description;
    std::string minBid;
    std::string itemCost;
    std::string reserveAmt;
    std::string feedback;
    std::string itemNote;

    static DescPageTexts Read(const itemdb::CAucItem& item);
    // Description and Item Note first, then the three amounts, stopping at
    // the first that does not parse; only when all parse, the status (an item
    // in progress keeps its own) and Feedback. Gives the refusal's message.
    std::optional<std::string> Store(itemdb::CAucItem& item, std::int32_t status) const;
};

}  // namespace gb::app
