#pragma once
// The shipped template library and fee schedule, and three sold items, for
// the report tests.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::test {

inline std::filesystem::path ReportFixture(std::string_view name) {
    return std::filesystem::path(GB_TEST_FIXTURES) / "report" / name;
}

inline gb::itemdb::CFeeSchedule ShippedFees() {
    gb::itemdb::CFeeSchedule fees;
    fees.Load(ReportFixture("AucField.fee"));
    return fees;
}

// The number of the active entry with this name; -1 when none.
inline int FeeEntryNamed(gb::itemdb::CFeeSchedule& fees, std::string_view name) {
    for (int entry = 0; entry < gb::itemdb::CFeeSchedule::kEntryCount; ++entry) {
        std::string entryName;
        if (fees.GetActiveName(entry, entryName) && entryName == name) {
            return entry;
        }
    }
    return -1;
}

struct SoldItem {
    std::string auctionId;
    std::string description;
    std::string buyer;
    std::string email;
    std::string maxBid;
    std::string endDate;
};

inline gb::itemdb::CAucItem MakeItem(const SoldItem& sold) {
    gb::itemdb::CAucItem item;
    item.SetAuctionId(sold.auctionId);
    item.SetDescription(sold.description);
    item.SetBuyerId(sold.buyer);
    item.SetEmail(sold.email);
    item.SetSite("eBay USA");
    item.SetSellerId("cornercurios");
    item.SetFieldText(505, sold.maxBid);
    item.SetFieldText(503, sold.endDate);
    item.SetFieldText(509, "0.35");
    item.SetFieldText(510, "1.25");
    item.SetFieldText(518, "4.50");
    return item;
}

inline std::vector<gb::itemdb::CAucItem> ThreeItems() {
    return {
        MakeItem({"1001", "Brass desk lamp\r\nwith green shade", "lampfan", "lamp@example.com",
                  "24.00", "3/1/2024 9:15:00 PM"}),
        MakeItem({"1002", "Pocket watch [working]", "tick_tock", "tick@example.com", "61.50",
                  "3/2/2024 8:00:00 PM"}),
        MakeItem({"1003", "Tin robot & key", "LAMPFAN", "lamp@example.com", "12.25",
                  "3/3/2024 7:30:00 PM"}),
    };
}

}  // namespace gb::test
