// The display list of the item list: rebuilding it for a folder, walking it,
// and keeping it and its totals right through adds, replaces and moves.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemListTestItems.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;

namespace {

CItemFilter MaskFilter(std::int32_t mask) {
    CItemFilter filter;
    filter.SetStateMask(mask);
    return filter;
}

CAucItem PricedItem(std::string_view id, std::int64_t maxBidDollars) {
    CAucItem item = KeyedItem("s", id);
    item.SetMoneyValue(field::MaxBid, Dollars(maxBidDollars));
    return item;
}

gb::Money TotalMaxBid(const CItemList& list) {
    std::string text;
    gb::Money total;
    list.GetTotals().GetMaxBid(text, &total);
    return total;
}

std::vector<std::string> DisplayedIds(CItemList& list) {
    std::vector<std::string> ids;
    for (const CAucItem* item : DisplayedItems(list)) {
        ids.push_back(std::string(item->GetAuctionId()) + "@" + std::to_string(item->GetState()));
    }
    return ids;
}

class ItemListDisplay : public ::testing::Test {
protected:
    void SetUp() override {
        list_.AddItem(PricedItem("20", 1), folder::DeletedItems);
        list_.AddItem(PricedItem("30", 2), folder::Archive);
        list_.AddItem(PricedItem("10", 4), folder::AuctionEnded);
        list_.AddItem(PricedItem("40", 8), folder::InProgress);
        list_.AddItem(PricedItem("05", 16), folder::InProgress);
    }

    CItemList list_;
};

TEST_F(ItemListDisplay, ShowsTheAdmittedListsInListThenKeyOrder) {
    list_.SetFilter(CItemFilter());
    EXPECT_EQ(DisplayedIds(list_),
              (std::vector<std::string>{"05@102", "40@102", "10@103", "30@107", "20@110"}));
    EXPECT_EQ(list_.GetTotals().GetCount(), 5);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(31));

    list_.SetFilter(MaskFilter(CItemFilter::EndedBit | CItemFilter::DeletedBit));
    EXPECT_EQ(DisplayedIds(list_), (std::vector<std::string>{"10@103", "20@110"}));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(5));
}

TEST_F(ItemListDisplay, AppliesTheFiltersCriteriaToo) {
    CItemFilter filter;
    filter.SetSearch(field::AuctionId, "0");
    filter.SetStateMask(CItemFilter::InProgressBit);
    list_.SetFilter(filter);
    EXPECT_EQ(DisplayedIds(list_), (std::vector<std::string>{"05@102", "40@102"}));
    filter.SetSearch(field::AuctionId, "4");
    list_.SetFilter(filter);
    EXPECT_EQ(DisplayedIds(list_), (std::vector<std::string>{"40@102"}));
    EXPECT_EQ(list_.GetFilter(), filter);
}

TEST_F(ItemListDisplay, CursorWalksTheDisplayFromItsFirstEntry) {
    CItemList empty;
    EXPECT_FALSE(empty.MoveFirst());
    EXPECT_FALSE(empty.MoveNext());
    EXPECT_TRUE(empty.GetCurrentId().IsNone());
    EXPECT_EQ(empty.GetItemAt(), nullptr);

    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit));
    ASSERT_TRUE(list_.MoveFirst());
    const CItemList::ItemId first = list_.GetCurrentId();
    EXPECT_EQ(list_.GetItemAt()->GetAuctionId(), "05");
    ASSERT_TRUE(list_.MoveNext());
    EXPECT_EQ(list_.GetItemAt()->GetAuctionId(), "40");
    EXPECT_EQ(list_.GetItemAt(first)->GetAuctionId(), "05");
    EXPECT_FALSE(list_.MoveNext());
    EXPECT_EQ(list_.GetItemAt(), nullptr);
}

TEST_F(ItemListDisplay, IdentitiesOutliveARebuildOfTheDisplay) {
    list_.SetFilter(CItemFilter());
    const std::vector<CItemList::ItemId> old = DisplayedItemIds(list_);
    list_.SetFilter(CItemFilter());
    EXPECT_TRUE(list_.GetCurrentId().IsNone());
    ASSERT_NE(list_.GetItemAt(old[0]), nullptr);
    EXPECT_EQ(list_.GetItemAt(old[0])->GetAuctionId(), "05");
    EXPECT_TRUE(list_.ReplaceItem(PricedItem("05", 99), old[0]));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(31 - 16 + 99));
    EXPECT_TRUE(list_.MoveItem(old[0], folder::Archive));
    EXPECT_EQ(list_.GetItemAt(old[0])->GetState(), folder::Archive);
    EXPECT_EQ(list_.GetStateList(folder::InProgress)->Size(), 1u);
}

TEST_F(ItemListDisplay, AnIdentityFindsNoItemOnceNoListHoldsIt) {
    EXPECT_EQ(list_.GetItemAt(CItemList::ItemId()), nullptr);
    list_.SetFilter(CItemFilter());
    const CItemList::ItemId first = DisplayedItemIds(list_)[0];
    const std::uint64_t revision = list_.GetRevision();
    list_.RemoveAll();
    EXPECT_NE(list_.GetRevision(), revision);
    EXPECT_EQ(list_.GetItemAt(first), nullptr);
    EXPECT_FALSE(list_.ReplaceItem(PricedItem("05", 99), first));
    EXPECT_FALSE(list_.MoveItem(first, folder::Archive));
    EXPECT_EQ(ItemCount(list_), 0u);
}

TEST_F(ItemListDisplay, AddNewItemDisplaysItOnlyWhenTheFolderAdmitsIt) {
    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit));
    const CItemList::ItemId shown = list_.AddNewItem(PricedItem("07", 100), folder::InProgress);
    ASSERT_FALSE(shown.IsNone());
    EXPECT_EQ(list_.GetItemAt(shown)->GetAuctionId(), "07");
    EXPECT_EQ(list_.GetItemAt(shown)->GetState(), folder::InProgress);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(124));
    EXPECT_EQ(DisplayedIds(list_), (std::vector<std::string>{"05@102", "40@102", "07@102"}));

    EXPECT_TRUE(list_.AddNewItem(PricedItem("08", 100), folder::AuctionEnded).IsNone());
    EXPECT_TRUE(list_.FindItem("s", "08", nullptr, folder::AuctionEnded));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(124));
    // A key the list holds is not added again, nor displayed twice.
    EXPECT_TRUE(list_.AddNewItem(PricedItem("07", 100), folder::InProgress).IsNone());
    EXPECT_EQ(list_.GetTotals().GetCount(), 3);

    // An item added after an edit (which finds items by their display entry)
    // is found by the next edit and delete as well.
    EXPECT_TRUE(list_.ReplaceItem(PricedItem("07", 50), shown));
    const CItemList::ItemId later = list_.AddNewItem(PricedItem("09", 1000), folder::InProgress);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(1074));
    EXPECT_TRUE(list_.ReplaceItem(PricedItem("09", 2000), later));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(2074));
    EXPECT_EQ(list_.GetTotals().GetCount(), 4);
    EXPECT_FALSE(list_.MoveItem(later, folder::DeletedItems));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(74));
    EXPECT_EQ(list_.GetTotals().GetCount(), 3);
}

TEST_F(ItemListDisplay, ReplaceItemRetestsTheEditedItemAgainstTheFilter) {
    CItemFilter filter;
    filter.AddStatus(folder::NeedsAttention);
    list_.SetFilter(filter);
    const std::vector<CItemList::ItemId> positions = DisplayedItemIds(list_);
    ASSERT_EQ(positions.size(), 5u);

    CAucItem edited = *list_.GetItemAt(positions[1]);
    edited.SetMoneyValue(field::MaxBid, Dollars(100));
    edited.SetItemNote("note");
    EXPECT_TRUE(list_.ReplaceItem(edited, positions[1]));
    EXPECT_EQ(list_.GetItemAt(positions[1])->GetItemNote(), "note");
    EXPECT_EQ(TotalMaxBid(list_), Dollars(123));

    edited.SetStatus(folder::FirstUserFolder, true);
    EXPECT_FALSE(list_.ReplaceItem(edited, positions[1]));
    EXPECT_EQ(DisplayedItemIds(list_).size(), 4u);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(23));
    EXPECT_EQ(list_.GetTotals().GetCount(), 4);
    // The item is stored all the same.
    CItemList::ListPos stored;
    ASSERT_TRUE(list_.FindItem("s", "40", &stored, folder::InProgress));
    EXPECT_EQ(list_.GetItem(stored)->GetStatus(), folder::FirstUserFolder);
    EXPECT_TRUE(list_.IsModified());

    // Out of the display, a further edit or a delete leaves the totals alone.
    edited.SetMoneyValue(field::MaxBid, Dollars(500));
    EXPECT_FALSE(list_.ReplaceItem(edited, positions[1]));
    EXPECT_FALSE(list_.MoveItem(positions[1], folder::DeletedItems));
    EXPECT_EQ(list_.GetTotals().GetCount(), 4);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(23));
    EXPECT_EQ(DisplayedItemIds(list_).size(), 4u);
}

TEST_F(ItemListDisplay, ReplaceItemKeepsTheStoredKeyAndState) {
    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit));
    const std::vector<CItemList::ItemId> positions = DisplayedItemIds(list_);
    CAucItem edited = *list_.GetItemAt(positions[0]);
    edited.SetAuctionId("99");
    edited.SetSite("other");
    edited.SetState(folder::Archive);
    edited.SetDescription("edited");
    EXPECT_TRUE(list_.ReplaceItem(edited, positions[0]));
    EXPECT_EQ(KeysOf(list_, folder::InProgress), (std::vector<std::string>{"s/05", "s/40"}));
    EXPECT_EQ(list_.GetItemAt(positions[0])->GetDescription(), "edited");
    EXPECT_EQ(list_.GetItemAt(positions[0])->GetState(), folder::InProgress);
}

TEST_F(ItemListDisplay, MoveItemOutOfAFolderRemovesItFromTheDisplay) {
    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit));
    const CItemList::ItemId moved = DisplayedItemIds(list_)[1];
    EXPECT_FALSE(list_.MoveItem(moved, folder::AuctionEnded));
    EXPECT_EQ(list_.GetItemAt(moved)->GetState(), folder::AuctionEnded);
    EXPECT_EQ(DisplayedIds(list_), (std::vector<std::string>{"05@102"}));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(16));
    EXPECT_EQ(KeysOf(list_, folder::InProgress), (std::vector<std::string>{"s/05"}));
    EXPECT_EQ(KeysOf(list_, folder::AuctionEnded), (std::vector<std::string>{"s/10", "s/40"}));
    EXPECT_EQ(list_.GetStateList(folder::AuctionEnded)->Items().back().GetState(),
              folder::AuctionEnded);
}

TEST_F(ItemListDisplay, MoveItemWithinTheFolderKeepsItDisplayedInItsNewList) {
    list_.SetFilter(CItemFilter());
    const CItemList::ItemId moved = DisplayedItemIds(list_)[0];
    EXPECT_TRUE(list_.MoveItem(moved, folder::Archive));
    EXPECT_EQ(list_.GetItemAt(moved)->GetState(), folder::Archive);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(31));
    EXPECT_EQ(KeysOf(list_, folder::Archive), (std::vector<std::string>{"s/05", "s/30"}));
    EXPECT_TRUE(list_.IsModified());
}

TEST_F(ItemListDisplay, MoveItemToAListHoldingTheKeyChangesNothing) {
    list_.AddItem(PricedItem("40", 64), folder::Archive);
    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit));
    const CItemList::ItemId position = DisplayedItemIds(list_)[1];
    for (const std::int32_t target : {folder::InProgress, folder::Archive, folder::Auctions}) {
        EXPECT_TRUE(list_.MoveItem(position, target)) << target;
        EXPECT_EQ(list_.GetItemAt(position)->GetState(), folder::InProgress);
    }
    EXPECT_EQ(KeysOf(list_, folder::InProgress), (std::vector<std::string>{"s/05", "s/40"}));
    EXPECT_EQ(TotalMaxBid(list_), Dollars(24));
}

// With one key in two lists, the displayed item is the one that moves.
TEST_F(ItemListDisplay, MoveItemMovesTheDisplayedItemAndNotItsNamesake) {
    list_.AddItem(PricedItem("30", 64), folder::InProgress);
    list_.SetFilter(MaskFilter(CItemFilter::ArchiveBit));
    const CItemList::ItemId archived = DisplayedItemIds(list_)[0];
    EXPECT_FALSE(list_.MoveItem(archived, folder::AuctionEnded));

    CItemList::ListPos position;
    ASSERT_TRUE(list_.FindItem("s", "30", &position, folder::AuctionEnded));
    EXPECT_EQ(list_.GetItem(position)->GetMoneyValue(field::MaxBid), Dollars(2));
    ASSERT_TRUE(list_.FindItem("s", "30", &position, folder::InProgress));
    EXPECT_EQ(list_.GetItem(position)->GetMoneyValue(field::MaxBid), Dollars(64));
    EXPECT_TRUE(list_.GetStateList(folder::Archive)->IsEmpty());
}

TEST_F(ItemListDisplay, AWalkCanMoveEveryDisplayedItemAway) {
    list_.SetFilter(MaskFilter(CItemFilter::InProgressBit | CItemFilter::EndedBit));
    for (bool more = list_.MoveFirst(); more; more = list_.MoveNext()) {
        EXPECT_FALSE(list_.MoveItem(list_.GetCurrentId(), folder::DeletedItems));
    }
    EXPECT_FALSE(list_.MoveFirst());
    EXPECT_EQ(list_.GetTotals().GetCount(), 0);
    EXPECT_EQ(TotalMaxBid(list_), Dollars(0));
    EXPECT_EQ(list_.GetStateList(folder::DeletedItems)->Size(), 4u);
}

TEST(ItemListMatchFolder, AppliesTheStateMaskOnlyForTheFourListCodes) {
    CItemList list;
    CItemFilter filter = MaskFilter(CItemFilter::EndedBit);
    filter.AddStatus(folder::NeedsAttention);
    list.SetFilter(filter);
    const CAucItem item;
    EXPECT_FALSE(list.MatchFolder(item, folder::InProgress));
    EXPECT_TRUE(list.MatchFolder(item, folder::AuctionEnded));
    EXPECT_FALSE(list.MatchFolder(item, folder::Archive));
    EXPECT_FALSE(list.MatchFolder(item, folder::DeletedItems));
    EXPECT_TRUE(list.MatchFolder(item, folder::Auctions));
    CAucItem other;
    other.SetStatus(folder::FirstUserFolder, false);
    EXPECT_FALSE(list.MatchFolder(other, folder::Auctions));
}

TEST(ItemListRemoveAll, EmptiesListsDisplayAndModifiedFlag) {
    CItemList list;
    list.AddItem(PricedItem("1", 5), folder::InProgress);
    list.AddItem(PricedItem("2", 5), folder::DeletedItems);
    list.SetFilter(CItemFilter());
    const CItemList::ItemId position = DisplayedItemIds(list)[0];
    list.RemoveAll();
    EXPECT_FALSE(list.IsModified());
    EXPECT_EQ(ItemCount(list), 0u);
    EXPECT_FALSE(list.MoveFirst());
    EXPECT_EQ(list.GetItemAt(position), nullptr);
    EXPECT_EQ(list.GetTotals(), CItemTotals());
}

}  // namespace
