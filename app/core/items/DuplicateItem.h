#pragma once
// Create Duplicate: a new item made from an ended item for a second sale to
// another buyer. It keeps what describes the article (site, seller, auction
// type, description, bids, reserve, costs, weight, notes, categories) and
// starts without buyer, payment, shipping and fees, needing attention, with a
// free auction ID proposed.

#include <optional>
#include <string>

#include "itemdb/AucItem.h"
#include "platform/DateTime.h"

namespace gb::itemdb {
class CItemList;
}  // namespace gb::itemdb

namespace gb::app {

// What the Create Duplicate dialog shows and reads back.
struct DuplicateEntries {
    std::string auctionId;
    std::string description;
    std::string buyerId;
    std::string rating;
    std::string email;
    gb::DateTime start;    // date and time
    gb::DateTime endDate;  // its day counts
    gb::DateTime endTime;  // its time of day counts
};

// The item a duplicate of `source` starts as, ending `now`.
gb::itemdb::CAucItem DuplicateOf(const gb::itemdb::CAucItem& source, const gb::DateTime& now);

// The entries the dialog opens with: the first free auction ID made from the
// item's own, its texts and its dates (`now` for a date it lacks).
DuplicateEntries DuplicateEntriesOf(const gb::itemdb::CAucItem& duplicate,
                                    const gb::itemdb::CItemList& items, const gb::DateTime& now);

// Checks the entries and stores them into the duplicate; stops at the first
// that fails and gives its message ("Invalid " and the reason).
std::optional<std::string> StoreDuplicateEntries(gb::itemdb::CAucItem& duplicate,
                                                 DuplicateEntries entries,
                                                 const gb::itemdb::CItemList& items);

}  // namespace gb::app
