#pragma once
// What one retrieved row does to one item: which fields it may set, the store
// and fixed-price rules, and the status from the row's completion mark. The
// item list decides which item the row is for and where the item is filed.
//
// Fields a row changes, by case:
// - every item: site, storage folder, seller ID, auction ID, start date, end
//   date (moved by the seller's time-zone hours);
// - a new item: its auction type, and the store-item flag with the auction
//   type "Store" when the listing runs 12 days or more;
// - an item whose status is 102 (every new item): description, buyer ID,
//   shipping address, e-mail, rating and the updated time; the max bid with a
//   bidder, else the min bid and, when not yet valid, the insertion fee; once
//   ended and sold, the final fee, and for a first-seen fixed-price sale the
//   min bid, the insertion fee and (not for store items) the buyer ID
//   "Store? - " plus the bidder;
// - the status: 102 while the listing runs; once ended, 116 unless it is a
//   user status (150 and up).
// Everything else the item keeps.

#include <cstdint>
#include <string_view>

#include "itemdb/RetrievedRow.h"

namespace gb::itemdb {

class CAucItem;

class RowMerge {
public:
    // `site`, `storageFolder` and `timeZoneHours` come from the seller entry the
    // row was retrieved for. The row must outlive the merge.
    RowMerge(std::string_view site, const RetrievedRow& row, std::int32_t storageFolder,
             std::int32_t timeZoneHours);

    // A fresh item for a row whose key no list holds.
    CAucItem NewItem() const;
    // Updates the item from the row; `isNew` for an item made by NewItem.
    void Apply(CAucItem& item, bool isNew) const;

private:
    void TakeKeyAndDates(CAucItem& item) const;
    void ApplyStoreTest(CAucItem& item) const;
    void TakeBidding(CAucItem& item) const;
    bool HasEnded(const CAucItem& item) const;
    void ApplyEnd(CAucItem& item, bool isNew) const;

    std::string_view site_;
    const RetrievedRow& row_;
    std::int32_t storageFolder_;
    std::int32_t timeZoneHours_;
};

}  // namespace gb::itemdb
