#pragma once
// Items, rows and list views shared by the item list, merge and totals tests.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"
#include "itemdb/RetrievedRow.h"

inline gb::itemdb::CAucItem KeyedItem(std::string_view site, std::string_view auctionId) {
    gb::itemdb::CAucItem item;
    item.SetSite(site);
    item.SetAuctionId(auctionId);
    return item;
}

inline gb::Money Dollars(std::int64_t dollars, std::int64_t cents = 0) {
    return gb::Money::FromUnits(dollars * 10000 + cents * 100);
}

// "site/auction ID" of every item of one state list, in list order.
inline std::vector<std::string> KeysOf(const gb::itemdb::CItemList& list, std::int32_t listCode) {
    std::vector<std::string> keys;
    for (const gb::itemdb::CAucItem& item : list.GetStateList(listCode)->Items()) {
        keys.push_back(std::string(item.GetSite()) + "/" + std::string(item.GetAuctionId()));
    }
    return keys;
}

// The displayed items, walked with the cursor.
inline std::vector<const gb::itemdb::CAucItem*> DisplayedItems(gb::itemdb::CItemList& list) {
    std::vector<const gb::itemdb::CAucItem*> items;
    for (bool more = list.MoveFirst(); more; more = list.MoveNext()) {
        items.push_back(list.GetItemAt());
    }
    return items;
}

inline std::vector<gb::itemdb::CItemList::ItemId> DisplayedItemIds(
    gb::itemdb::CItemList& list) {
    std::vector<gb::itemdb::CItemList::ItemId> ids;
    for (bool more = list.MoveFirst(); more; more = list.MoveNext()) {
        ids.push_back(list.GetCurrentId());
    }
    return ids;
}

inline std::size_t ItemCount(const gb::itemdb::CItemList& list) {
    std::size_t count = 0;
    for (const std::int32_t code :
         {gb::itemdb::folder::InProgress, gb::itemdb::folder::AuctionEnded,
          gb::itemdb::folder::Archive, gb::itemdb::folder::DeletedItems}) {
        count += list.GetStateList(code)->Size();
    }
    return count;
}

// A running listing of the first week of March 2023 with a bidder.
inline gb::itemdb::RetrievedRow RunningRow(std::string_view item) {
    gb::itemdb::RetrievedRow row;
    row.seller = "seller1";
    row.item = item;
    row.start = "3/1/2023 10:00:00 AM";
    row.end = "3/8/2023 10:00:00 AM";
    row.price = "$12.50";
    row.description = "Brass compass";
    row.bidder = "buyer1";
    row.email = "buyer1@example.test";
    row.rating = "42";
    row.fees = "$0.35";
    row.commission = "$0.66";
    row.storeInsertionFee = "$0.02";
    row.storeFinalValueFee = "$0.99";
    row.auctionType = "Auction";
    row.buyerLocation = "Springfield";
    row.completion = "N";
    return row;
}

inline gb::itemdb::RetrievedRow EndedRow(std::string_view item) {
    gb::itemdb::RetrievedRow row = RunningRow(item);
    row.completion = "*";
    return row;
}
