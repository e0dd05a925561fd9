#pragma once
// A folder of known items for the export and print tests: three items whose
// texts hold what an export must not let through (separators, quotes, tabs,
// line breaks), an amount too wide for its field, and a fee schedule with one
// display-only entry and one inactive entry. The items are those of an item
// list, in list order.

#include <string>
#include <vector>

#include "app/core/HeldItems.h"
#include "app/core/ListRows.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "itemdb/ItemTotals.h"

namespace gb::test {

class ExportTestItems {
public:
    // Auction ID, Description, Max Bid, End Date, Buyer ID, fee entry 0
    // ("Handling", display only) and fee entry 1 (inactive, left out).
    static constexpr char kColumnSet[] = "(ABFDG!\"";

    ExportTestItems() {
        fees_.SetCurrent(0);
        fees_.SetName("Handling");
        fees_.SetType(gb::itemdb::fee_type::DisplayOnly);
        fees_.SetActive(true);
        fees_.SetBaseText("2.50");
        fees_.SetCurrent(1);
        fees_.SetName("Unused");
        fees_.SetType(gb::itemdb::fee_type::Charge);

        Add("1001", "Blue vase, \"mint\"; boxed\r\nsecond line\tend", "12.50", "3/1/2024", "anna");
        Add("1002", "Plain lamp", "", "3/2/2024", "");
        Add("1003", "Gold watch", "-1234567890123.45", "3/3/2024", "carl o'brien");
    }

    gb::itemdb::CFeeSchedule& Fees() { return fees_; }
    const gb::itemdb::CItemTotals& Totals() const { return totals_; }
    gb::itemdb::CItemList& List() { return list_; }
    // All three, as a command holds them across its dialog.
    gb::app::HeldItems Held() const { return gb::app::HeldItems(list_, ids_); }
    gb::app::ListRows Rows() { return gb::app::ListRows(Held().Resolve(), fees_, nullptr); }

private:
    void Add(const std::string& id, const std::string& description, const std::string& maxBid,
             const std::string& endDate, const std::string& buyer) {
        gb::itemdb::CAucItem item;
        item.SetAuctionId(id);
        item.SetDescription(description);
        item.SetMaxBid(maxBid);
        item.SetEndDate(endDate);
        item.SetBuyerId(buyer);
        list_.AddItem(item, gb::itemdb::folder::AuctionEnded);
        gb::itemdb::CItemList::ListPos stored;
        list_.FindItem("", id, &stored);
        ids_.push_back(list_.IdOf(*list_.GetItem(stored)));
        totals_.AddItem(item);
    }

    gb::itemdb::CFeeSchedule fees_;
    gb::itemdb::CItemList list_;
    std::vector<gb::itemdb::CItemList::ItemId> ids_;
    gb::itemdb::CItemTotals totals_;
};

}  // namespace gb::test
