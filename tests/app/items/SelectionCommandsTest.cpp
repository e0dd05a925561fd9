// The item commands over a selection: each selected item is changed exactly
// once, whichever of them leave the folder on display, and items land in the
// state list their command and folder call for.

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "app/core/items/SelectionCommands.h"
#include "itemdb/FolderKind.h"
#include "itemdb/ItemList.h"

using namespace gb::itemdb;
using gb::app::StateMove;

namespace {

constexpr std::int32_t kSellerFolder = 160;
constexpr std::int32_t kOtherFolder = 170;
constexpr std::int32_t kPaid = 151;

CAucItem Item(const std::string& id, std::int32_t status) {
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetAuctionId(id);
    item.SetFolderId(kSellerFolder);
    item.SetStatus(status, true);
    return item;
}

// Seven items: 1-3 in progress, 4-6 ended, 7 archived; the display admits
// `filter`.
class SelectionCommandsTest : public ::testing::Test {
protected:
    void Fill(const CItemFilter& filter = {}) {
        for (int i = 1; i <= 6; ++i) {
            const bool running = i <= 3;
            items.AddItem(Item(std::to_string(i), running ? folder::InProgress : kPaid),
                          running ? folder::InProgress : folder::AuctionEnded);
        }
        items.AddItem(Item("7", kPaid), folder::Archive);
        items.SetFilter(filter);
        for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
            all.push_back(items.GetCurrentId());
        }
    }
    // Where each item lies now: auction ID to state list.
    std::map<std::string, std::int32_t> States() const {
        std::map<std::string, std::int32_t> states;
        for (const std::int32_t list :
             {folder::InProgress, folder::AuctionEnded, folder::Archive, folder::DeletedItems}) {
            for (const CAucItem& item : items.GetStateList(list)->Items()) {
                states[std::string(item.GetAuctionId())] = list;
            }
        }
        return states;
    }
    std::size_t Displayed() {
        std::size_t count = 0;
        for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
            ++count;
        }
        return count;
    }

    CItemList items;
    std::vector<CItemList::ItemId> all;
};

TEST_F(SelectionCommandsTest, DeletingEveryDisplayedItemMovesEachOnceAndEmptiesTheDisplay) {
    CItemFilter notDeleted;
    notDeleted.SetStateMask(CItemFilter::InProgressBit | CItemFilter::EndedBit |
                            CItemFilter::ArchiveBit);
    Fill(notDeleted);
    gb::app::MoveToList(items, all, gb::app::TargetListOf(StateMove::Delete));
    for (const auto& [id, list] : States()) {
        EXPECT_EQ(list, folder::DeletedItems) << id;
    }
    EXPECT_EQ(Displayed(), 0u);
    EXPECT_EQ(items.GetTotals().GetCount(), 0);
}

TEST_F(SelectionCommandsTest, MovingToAUserFolderKeepsRunningItemsInProgress) {
    Fill();
    gb::app::MoveToFolder(items, all, kOtherFolder);
    const std::map<std::string, std::int32_t> states = States();
    for (const char* id : {"1", "2", "3"}) {
        EXPECT_EQ(states.at(id), folder::InProgress) << id;
    }
    for (const char* id : {"4", "5", "6", "7"}) {
        EXPECT_EQ(states.at(id), folder::AuctionEnded) << id;
    }
    for (const CAucItem& item : items.GetStateList(folder::AuctionEnded)->Items()) {
        EXPECT_EQ(item.GetStorageFolder(), kOtherFolder);
    }
}

TEST_F(SelectionCommandsTest, AnItemThatLeavesTheFolderWithItsNewStorageFolderIsNotMovedFurther) {
    CItemFilter sellerOnly;
    sellerOnly.AddFolder(kSellerFolder);
    Fill(sellerOnly);
    gb::app::MoveToFolder(items, all, kOtherFolder);
    // Every item left the display at its first step and kept its list.
    EXPECT_EQ(States().at("2"), folder::InProgress);
    EXPECT_EQ(States().at("7"), folder::Archive);
    EXPECT_EQ(Displayed(), 0u);
}

TEST_F(SelectionCommandsTest, MovingToAFixedFolderUsesItAsTheStateList) {
    EXPECT_EQ(gb::app::TargetListForFolder(folder::Archive, Item("1", folder::InProgress)),
              folder::Archive);
    EXPECT_EQ(gb::app::TargetListForFolder(folder::DeletedItems, Item("1", kPaid)),
              folder::DeletedItems);
}

TEST_F(SelectionCommandsTest, TheStoreItemFlagFlipsOncePerItem) {
    Fill();
    const std::vector<CItemList::ItemId> some{all[0], all[4]};
    gb::app::ToggleStoreItems(items, some);
    EXPECT_TRUE(items.GetItemAt(all[0])->IsStoreItem());
    EXPECT_FALSE(items.GetItemAt(all[1])->IsStoreItem());
    EXPECT_TRUE(items.GetItemAt(all[4])->IsStoreItem());
    gb::app::ToggleStoreItems(items, some);
    EXPECT_FALSE(items.GetItemAt(all[0])->IsStoreItem());
}

TEST(StateMoveQuestion, SeveralItemsAreCountedOneIsNamedNoneIsNotAsked) {
    EXPECT_EQ(gb::app::StateMoveQuestion(StateMove::Delete, 3),
              "Do you want to delete these 3 items?");
    EXPECT_EQ(gb::app::StateMoveQuestion(StateMove::Archive, 12),
              "Do you want to archive these 12 items?");
    EXPECT_EQ(gb::app::StateMoveQuestion(StateMove::Delete, 1), "Delete this item?");
    EXPECT_EQ(gb::app::StateMoveQuestion(StateMove::Archive, 1), "Archive this item?");
    EXPECT_FALSE(gb::app::StateMoveQuestion(StateMove::Delete, 0));
}

}  // namespace
