// The profile document announces its own changes: items stored anew or
// moved, rows merged, folders changed, a profile read.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AucDocDoubles.h"
#include "ItemListTestItems.h"
#include "itemdb/AucDoc.h"
#include "itemdb/DocumentObserver.h"
#include "platform/Clock.h"
#include "tests/support/TempFolder.h"

using namespace gb::itemdb;

namespace {

class RecordingObserver final : public DocumentObserver {
public:
    void OnItemsMerged() override { events.push_back("merged"); }
    void OnItemChanged(const CAucItem& item) override {
        events.push_back("changed " + std::string(item.GetAuctionId()));
    }
    void OnFoldersChanged() override { events.push_back("folders"); }

    std::vector<std::string> events;
};

class DocumentEventsTest : public ::testing::Test {
protected:
    DocumentEventsTest() {
        doc_.SetHost(&host_);
        doc_.SetProfileName("Shop");
        doc_.GetSellerList().AddSeller("bob", "eBay USA", "{USA}");
        doc_.CheckFolders();
        doc_.GetItemList().AddItem(KeyedItem("s", "05"), folder::InProgress);
        doc_.GetItemList().AddItem(KeyedItem("s", "10"), folder::AuctionEnded);
        doc_.GetEvents().Add(&observer_);
    }
    ~DocumentEventsTest() override { doc_.GetEvents().Remove(&observer_); }

    RecordingHost host_;
    CAucDoc doc_;
    RecordingObserver observer_;
};

TEST_F(DocumentEventsTest, StoringOrMovingAnItemAnnouncesIt) {
    CItemList& items = doc_.GetItemList();
    items.SetFilter(CItemFilter());
    const std::vector<CItemList::ItemId> ids = DisplayedItemIds(items);
    items.ReplaceItem(KeyedItem("s", "05"), ids[0]);
    items.MoveItem(ids[1], folder::Archive);
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"changed 05", "changed 10"}));

    // An identity that finds nothing changes nothing and announces nothing.
    items.RemoveAll();
    observer_.events.clear();
    items.ReplaceItem(KeyedItem("s", "05"), ids[0]);
    EXPECT_TRUE(observer_.events.empty());
}

TEST_F(DocumentEventsTest, EachMergedRowAnnouncesTheMerge) {
    const gb::FixedClock clock{gb::DateTime::FromCivil(2023, 3, 5, 12, 0)};
    const gb::ScopedClock scoped{clock};
    doc_.GetItemList().MergeRow("eBay USA", RunningRow("1001"), 250, 0);
    doc_.GetItemList().MergeRow("eBay USA", EndedRow("1002"), 250, 0);
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"merged", "merged"}));
}

TEST_F(DocumentEventsTest, FolderChangesAreAnnouncedButAnUnchangedFilterIsNot) {
    CFolderTree& tree = doc_.GetFolderTree();
    const std::int32_t added = tree.AddNode(folder::ByStatus, folder::Root, folder::Root);
    tree.SetCurName("Shipped");
    const CItemFilter same = *tree.GetCurFilter();
    tree.SetCurFilter(same);
    tree.DeleteNode(added);
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"folders", "folders", "folders"}));

    observer_.events.clear();
    doc_.EnsureSellerFolders();
    doc_.GetSellerList().AddSeller("amy", "eBay UK", "{UK}");
    doc_.EnsureSellerFolders();
    EXPECT_FALSE(observer_.events.empty());
}

TEST_F(DocumentEventsTest, AProfileReadAnnouncesItsFoldersAndKeepsTheObservers) {
    const gb::test::TempFolder folder;
    ASSERT_TRUE(doc_.OnSaveDocument(folder / "Shop.pro"));
    ASSERT_TRUE(doc_.OnOpenDocument(folder / "Shop.pro"));
    ASSERT_FALSE(observer_.events.empty());
    EXPECT_EQ(observer_.events.back(), "folders");

    // The tree read from the file announces through this document.
    observer_.events.clear();
    doc_.GetFolderTree().SetCurName("Renamed");
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"folders"}));
}

// An observer that goes away while another is told is not told afterwards.
TEST_F(DocumentEventsTest, AnObserverRemovedMeanwhileIsNotTold) {
    struct Remover final : DocumentObserver {
        DocumentEvents* events = nullptr;
        DocumentObserver* other = nullptr;
        void OnFoldersChanged() override { events->Remove(other); }
    } remover;
    doc_.GetEvents().Remove(&observer_);
    remover.events = &doc_.GetEvents();
    remover.other = &observer_;
    doc_.GetEvents().Add(&remover);
    doc_.GetEvents().Add(&observer_);
    doc_.GetFolderTree().SetCurName("Renamed");
    EXPECT_TRUE(observer_.events.empty());
    doc_.GetEvents().Remove(&remover);
}

}  // namespace
