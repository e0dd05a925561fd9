#include "SampleProfile.h"

#include <string>

#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

namespace gb::testing {

using namespace gb::itemdb;

void FillSampleProfile(CAucDoc& doc, int itemCount) {
    doc.SetProfileName("Bench");
    CSellerList& sellers = doc.GetSellerList();
    sellers.AddSeller("benchseller", "eBay USA", "{74CCD217-6278-11D5-9B10-00AA00558C1A}");
    sellers.AddSeller("benchseller", "eBay UK", "{74CCD224-6278-11D5-9B10-00AA00558C1A}");
    doc.EnsureSellerFolders();
    sellers.SetCurrent(0);
    const std::int32_t storage = sellers.GetFolderId();
    constexpr std::int32_t kLists[] = {folder::InProgress, folder::AuctionEnded, folder::Archive};
    for (int i = 0; i < itemCount; ++i) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetSellerId("benchseller");
        item.SetFolderId(storage);
        item.SetAuctionId(std::to_string(3000000000LL + i * 7919LL % 1000000007LL));
        item.SetDescription("Antique brass compass with case, lot " + std::to_string(i));
        item.SetStartDate("3/1/2024 9:15:00 AM");
        item.SetEndDate("3/8/2024 9:15:00 AM");
        item.SetMoneyValue(field::MinBid, gb::Money::FromUnits(99900));
        item.SetMoneyValue(field::MaxBid, gb::Money::FromUnits(10000L * (i % 500)));
        item.SetBuyerId("buyer" + std::to_string(i % 997));
        item.SetEmail("buyer" + std::to_string(i % 997) + "@example.com");
        item.SetShippingAddress("A. Buyer\r\n12 Market Street\r\nSpringfield");
        item.AddCategory(152);
        doc.GetItemList().AddItem(item, kLists[i % 3]);
    }
}

}  // namespace gb::testing
