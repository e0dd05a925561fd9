#pragma once
// The Item page of the item sheet: the texts its controls show and how they
// go back into the item, and the entries of its status list.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/core/bulk/StatusChoice.h"
#include "itemdb/AucItem.h"
#include "itemdb/FolderTree.h"

namespace gb::app {

// An item in progress offers only "In Progress"; any other item the statuses
// a bulk update offers.
std::vector<StatusChoice> ItemStatusChoices(const itemdb::CAucItem& item,
                                            itemdb::CFolderTree& folders);
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
