// Merging retrieved rows into the item list: which item a row is for, where
// the item is filed afterwards, and what the merge does to the display.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ItemListTestItems.h"
#include "itemdb/FieldId.h"
#include "itemdb/ItemList.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

using Keys = std::vector<std::string>;

class MergeRow : public ::testing::Test {
protected:
    void Merge(const RetrievedRow& row, std::string_view site = "eBay USA") {
        list_.MergeRow(site, row, 250, 0);
    }

    const CAucItem* Find(std::string_view id, std::int32_t listCode,
                         std::string_view site = "eBay USA") const {
        CItemList::ListPos position;
        return list_.FindItem(site, id, &position, listCode) ? list_.GetItem(position) : nullptr;
    }

    const gb::FixedClock clock_{gb::DateTime::FromCivil(2023, 3, 5, 12, 0)};
    const gb::ScopedClock scoped_{clock_};
    CItemList list_;
};

TEST_F(MergeRow, FilesANewRunningItemInProgress) {
    Merge(RunningRow("1001"));
    const CAucItem* item = Find("1001", folder::InProgress);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetState(), folder::InProgress);
    EXPECT_EQ(item->GetStatus(), folder::InProgress);
    EXPECT_EQ(item->GetMoneyValue(field::MaxBid), Dollars(12, 50));
    EXPECT_EQ(item->GetMoneyValue(field::MinBid), Dollars(0));
    EXPECT_EQ(item->GetMoneyValue(field::InsertionFee), gb::Money::Null());
    EXPECT_EQ(item->GetDateValue(field::Updated), clock_.LocalNow());
    EXPECT_FALSE(item->IsStoreItem());
    EXPECT_EQ(ItemCount(list_), 1u);
    EXPECT_TRUE(list_.IsModified());
}

TEST_F(MergeRow, FilesANewEndedItemAsEnded) {
    Merge(EndedRow("1001"));
    const CAucItem* item = Find("1001", folder::AuctionEnded);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(item->GetState(), folder::AuctionEnded);
}

TEST_F(MergeRow, MovesAnEndedListingFromInProgressToEnded) {
    Merge(RunningRow("1001"));
    Merge(EndedRow("1001"));
    EXPECT_EQ(Find("1001", folder::InProgress), nullptr);
    const CAucItem* item = Find("1001", folder::AuctionEnded);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetMoneyValue(field::FinalFee), Dollars(0, 66));
    EXPECT_EQ(item->GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(ItemCount(list_), 1u);
}

TEST_F(MergeRow, UpdatesAnEndedItemWhereItIsAndKeepsAUserStatus) {
    Merge(EndedRow("1001"));
    CAucItem finished = *Find("1001", folder::AuctionEnded);
    finished.SetStatus(160, true);
    finished.SetItemNote("shipped");
    list_.SetFilter(CItemFilter());
    ASSERT_TRUE(list_.MoveFirst());
    list_.ReplaceItem(finished, list_.GetCurrentId());

    RetrievedRow row = EndedRow("1001");
    row.description = "new title";
    Merge(row);
    const CAucItem* item = Find("1001", folder::AuctionEnded);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetStatus(), 160);
    EXPECT_EQ(item->GetItemNote(), "shipped");
    EXPECT_EQ(item->GetDescription(), "Brass compass");
}

TEST_F(MergeRow, LeavesAnArchivedItemInTheArchiveEvenWhenRunning) {
    CAucItem archived = KeyedItem("eBay USA", "1001");
    archived.SetItemNote("kept");
    list_.AddItem(archived, folder::Archive);
    Merge(RunningRow("1001"));
    const CAucItem* item = Find("1001", folder::Archive);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetStatus(), folder::InProgress);
    EXPECT_EQ(item->GetItemNote(), "kept");
    EXPECT_EQ(ItemCount(list_), 1u);
}

TEST_F(MergeRow, RevivesADeletedItemAsAFreshOne) {
    CAucItem deleted = KeyedItem("eBay USA", "1001");
    deleted.SetItemNote("user note");
    deleted.SetMoneyValue(field::ShipCost, Dollars(7));
    deleted.SetStatus(170, true);
    list_.AddItem(deleted, folder::DeletedItems);

    Merge(EndedRow("1001"));
    EXPECT_TRUE(list_.GetStateList(folder::DeletedItems)->IsEmpty());
    const CAucItem* item = Find("1001", folder::AuctionEnded);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetItemNote(), "");
    EXPECT_EQ(item->GetMoneyValue(field::ShipCost), Dollars(0));
    EXPECT_EQ(item->GetStatus(), folder::NeedsAttention);
    EXPECT_EQ(ItemCount(list_), 1u);
}

// Two sites share an auction ID: each row updates its own item, whichever was
// filed first, and no duplicate appears.
TEST_F(MergeRow, FindsTheItemOfEachSiteOfASharedAuctionId) {
    for (const bool siteOneFirst : {true, false}) {
        list_.RemoveAll();
        const std::vector<const char*> sites =
            siteOneFirst ? std::vector{"site1", "site2"} : std::vector{"site2", "site1"};
        for (const char* site : sites) {
            Merge(RunningRow("abc"), site);
        }
        for (const char* site : sites) {
            Merge(EndedRow("ABC"), site);
        }
        Merge(EndedRow("ABC"), "SITE1");
        EXPECT_TRUE(list_.GetStateList(folder::InProgress)->IsEmpty());
        EXPECT_EQ(KeysOf(list_, folder::AuctionEnded), siteOneFirst
                                                           ? (Keys{"SITE1/ABC", "site2/ABC"})
                                                           : (Keys{"site2/ABC", "SITE1/ABC"}));
    }
}

TEST_F(MergeRow, ARowInAnotherCaseUpdatesTheSameItem) {
    list_.AddItem(KeyedItem("eBay USA", "ABC"), folder::AuctionEnded);
    Merge(EndedRow("abc"), "EBAY USA");
    EXPECT_EQ(KeysOf(list_, folder::AuctionEnded), (Keys{"EBAY USA/abc"}));
}

// The display and its totals follow each merged row: a running item that
// ends leaves a folder of running items, a new item the folder admits enters
// it, and edits and moves made meanwhile are counted once.
TEST_F(MergeRow, KeepsTheDisplayAndItsTotalsRight) {
    list_.AddItem(KeyedItem("eBay USA", "1001"), folder::InProgress);
    list_.AddItem(KeyedItem("eBay USA", "1002"), folder::InProgress);
    CItemFilter running;
    running.SetStateMask(CItemFilter::InProgressBit);
    list_.SetFilter(running);
    const std::vector<CItemList::ItemId> before = DisplayedItemIds(list_);
    ASSERT_EQ(before.size(), 2u);
    const std::uint64_t revision = list_.GetRevision();

    Merge(EndedRow("1001"));
    Merge(RunningRow("1003"));
    EXPECT_NE(list_.GetRevision(), revision);
    ASSERT_NE(list_.GetItemAt(before[0]), nullptr);
    EXPECT_EQ(list_.GetItemAt(before[0])->GetState(), folder::AuctionEnded);
    const auto shown = [this] {
        std::vector<std::string> ids;
        for (const CAucItem* item : DisplayedItems(list_)) {
            ids.emplace_back(item->GetAuctionId());
        }
        return ids;
    };
    EXPECT_EQ(shown(), (std::vector<std::string>{"1002", "1003"}));
    EXPECT_EQ(list_.GetTotals().GetCount(), 2);

    CAucItem edited = *list_.GetItemAt(before[1]);
    edited.SetItemNote("typed during the update");
    EXPECT_TRUE(list_.ReplaceItem(edited, before[1]));
    Merge(RunningRow("1002"));
    EXPECT_EQ(list_.GetItemAt(before[1])->GetItemNote(), "typed during the update");
    EXPECT_EQ(list_.GetTotals().GetCount(), 2);

    CItemTotals rebuilt;
    for (const CAucItem* item : DisplayedItems(list_)) {
        rebuilt.AddItem(*item);
    }
    EXPECT_EQ(list_.GetTotals(), rebuilt);
    list_.SetFilter(running);
    EXPECT_EQ(list_.GetTotals(), rebuilt);
}

// The ended list already holds the key of an item in progress: the ended row
// cannot file the item there, and it stays in progress rather than be lost.
TEST_F(MergeRow, NeverLosesAnItemItCannotFile) {
    CAucItem running = KeyedItem("eBay USA", "1001");
    running.SetStatus(folder::InProgress, true);
    running.SetItemNote("running copy");
    list_.AddItem(running, folder::InProgress);
    CAucItem ended = KeyedItem("eBay USA", "1001");
    ended.SetItemNote("ended copy");
    list_.AddItem(ended, folder::AuctionEnded);

    Merge(EndedRow("1001"));
    EXPECT_EQ(ItemCount(list_), 2u);
    const CAucItem* updated = Find("1001", folder::InProgress);
    ASSERT_NE(updated, nullptr);
    EXPECT_EQ(updated->GetItemNote(), "running copy");
    EXPECT_EQ(updated->GetMoneyValue(field::FinalFee), Dollars(0, 66));
    EXPECT_EQ(updated->GetState(), folder::InProgress);
    EXPECT_EQ(Find("1001", folder::AuctionEnded)->GetItemNote(), "ended copy");
}

// A key both deleted and still held by another list: the deleted copy goes,
// and the row updates the live item instead of a fresh one that could not be
// filed.
TEST_F(MergeRow, UpdatesTheLiveItemWhenADeletedCopyHasTheSameKey) {
    list_.AddItem(KeyedItem("eBay USA", "1001"), folder::DeletedItems);
    CAucItem running = KeyedItem("eBay USA", "1001");
    running.SetStatus(folder::InProgress, true);
    running.SetItemNote("live");
    list_.AddItem(running, folder::InProgress);

    Merge(RunningRow("1001"));
    EXPECT_TRUE(list_.GetStateList(folder::DeletedItems)->IsEmpty());
    const CAucItem* item = Find("1001", folder::InProgress);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->GetItemNote(), "live");
    EXPECT_EQ(item->GetDescription(), "Brass compass");
    EXPECT_EQ(ItemCount(list_), 1u);
}

// A key both deleted and held by another list: the deleted copy goes and a
// fresh item is filed beside the other list's item, unless the list the fresh
// item belongs in holds the key already; the row then updates the item there.
TEST_F(MergeRow, ADeletedKeyComesBackFreshBesideTheItemsOfOtherLists) {
    const struct {
        const char* name;
        std::int32_t liveList;
        RetrievedRow row;
        std::int32_t freshList;  // 0: no fresh item, the live one is updated
    } cases[] = {
        {"archived, running row", folder::Archive, RunningRow("1001"), folder::InProgress},
        {"archived, ended row", folder::Archive, EndedRow("1001"), folder::AuctionEnded},
        {"ended, running row", folder::AuctionEnded, RunningRow("1001"), folder::InProgress},
        {"in progress, ended row", folder::InProgress, EndedRow("1001"), folder::AuctionEnded},
        {"ended, ended row", folder::AuctionEnded, EndedRow("1001"), 0},
        {"in progress, running row", folder::InProgress, RunningRow("1001"), 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        list_.RemoveAll();
        list_.AddItem(KeyedItem("eBay USA", "1001"), folder::DeletedItems);
        CAucItem live = KeyedItem("eBay USA", "1001");
        live.SetItemNote("live");
        list_.AddItem(live, c.liveList);

        Merge(c.row);
        EXPECT_TRUE(list_.GetStateList(folder::DeletedItems)->IsEmpty());
        const CAucItem* kept = Find("1001", c.liveList);
        ASSERT_NE(kept, nullptr);
        EXPECT_EQ(kept->GetItemNote(), "live");
        if (c.freshList == 0) {
            EXPECT_EQ(kept->GetSellerId(), "seller1");
            EXPECT_EQ(ItemCount(list_), 1u);
            continue;
        }
        EXPECT_EQ(kept->GetSellerId(), "");
        const CAucItem* fresh = Find("1001", c.freshList);
        ASSERT_NE(fresh, nullptr);
        EXPECT_EQ(fresh->GetItemNote(), "");
        EXPECT_EQ(fresh->GetSellerId(), "seller1");
        EXPECT_EQ(ItemCount(list_), 2u);
    }
}

}  // namespace
