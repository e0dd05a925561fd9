// The profile document announces its own changes through one channel: items
// added, stored anew, moved, merged or destroyed by a merge, a folder's parts
// and the tree's shape, a profile made or read, an update run's end.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "AucDocDoubles.h"
#include "ItemListTestItems.h"
#include "itemdb/AucDoc.h"
#include "itemdb/DocumentEvent.h"
#include "platform/Clock.h"
#include "tests/support/TempFolder.h"

using namespace gb::itemdb;

namespace {

class RecordingObserver final : public DocumentListener {
public:
    void OnDocumentEvent(const DocumentEvent& event) override {
        using Kind = DocumentEvent::Kind;
        const std::string item = event.item ? " " + std::string(event.item->GetAuctionId()) : "";
        switch (event.kind) {
            case Kind::ItemAdded:
                events.push_back("added" + item);
                break;
            case Kind::ItemChanged:
                events.push_back("changed" + item);
                break;
            case Kind::ItemMoved:
                events.push_back("moved" + item);
                break;
            case Kind::ItemRemoved:
                events.push_back("removed" + item);
                break;
            case Kind::RowMerged:
                events.push_back("merged" + item);
                break;
            case Kind::FolderChanged:
                events.push_back("folder " + std::to_string(event.folderId) + " part " +
                                 std::to_string(static_cast<int>(event.part)));
                break;
            case Kind::FolderTreeChanged:
                events.push_back("folders");
                break;
            case Kind::DocumentReplaced:
                events.push_back("replaced " + std::to_string(*event.hint));
                break;
            case Kind::RunEnded:
                events.push_back("run ended " + std::to_string(*event.hint));
                break;
            case Kind::ViewsUpdated:
                events.push_back("hint " + std::to_string(*event.hint));
                break;
        }
    }

    std::vector<std::string> events;
};

// Looks at the document while it is told of a change.
class Probe final : public DocumentListener {
public:
    explicit Probe(std::function<void(const DocumentEvent&)> look) : look_(std::move(look)) {}
    void OnDocumentEvent(const DocumentEvent& event) override { look_(event); }

private:
    std::function<void(const DocumentEvent&)> look_;
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

TEST_F(DocumentEventsTest, AddingStoringOrMovingAnItemAnnouncesIt) {
    CItemList& items = doc_.GetItemList();
    items.SetFilter(CItemFilter());
    const std::vector<CItemList::ItemId> ids = DisplayedItemIds(items);
    items.ReplaceItem(KeyedItem("s", "05"), ids[0]);
    items.MoveItem(ids[1], folder::Archive);
    items.AddNewItem(KeyedItem("s", "20"), folder::AuctionEnded);
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"changed 05", "moved 10", "added 20"}));

    // An identity that finds nothing changes nothing and announces nothing.
    items.RemoveAll();
    observer_.events.clear();
    items.ReplaceItem(KeyedItem("s", "05"), ids[0]);
    EXPECT_TRUE(observer_.events.empty());
}

TEST_F(DocumentEventsTest, EachMergedRowAnnouncesItsItem) {
    const gb::FixedClock clock{gb::DateTime::FromCivil(2023, 3, 5, 12, 0)};
    const gb::ScopedClock scoped{clock};
    CItemList& items = doc_.GetItemList();
    items.AddItem(KeyedItem("eBay USA", "1003"), folder::DeletedItems);
    items.SetFilter(CItemFilter());
    // By the time its removal is told, the item has left its list and the
    // totals of the folder on display.
    int toldRemoved = 0;
    int shownBefore = 0;
    Probe probe([&](const DocumentEvent& event) {
        if (event.kind == DocumentEvent::Kind::ItemRemoved) {
            ++toldRemoved;
            EXPECT_FALSE(items.FindItem("eBay USA", "1003", nullptr, folder::DeletedItems));
            EXPECT_EQ(items.GetTotals().GetCount(), shownBefore - 1);
            EXPECT_EQ(event.item->GetAuctionId(), "1003");
        }
    });
    doc_.GetEvents().Add(&probe);
    items.MergeRow("eBay USA", RunningRow("1001"), 250, 0);
    items.MergeRow("eBay USA", EndedRow("1002"), 250, 0);
    // A deleted item a site still reports is destroyed and filed anew.
    shownBefore = items.GetTotals().GetCount();
    items.MergeRow("eBay USA", EndedRow("1003"), 250, 0);
    EXPECT_EQ(observer_.events, (std::vector<std::string>{"merged 1001", "merged 1002",
                                                          "removed 1003", "merged 1003"}));
    EXPECT_EQ(toldRemoved, 1);
    doc_.GetEvents().Remove(&probe);
}

TEST_F(DocumentEventsTest, FolderChangesNameTheFolderAndPartButAnUnchangedFilterIsNot) {
    CFolderTree& tree = doc_.EditFolders();
    const std::int32_t added = tree.AddNode(folder::ByStatus, folder::Root, folder::Root);
    tree.SetCurName("Shipped");
    CItemFilter filter = *tree.GetCurFilter();
    tree.SetCurFilter(filter);
    filter.AddStatus(added);
    tree.SetCurFilter(filter);
    tree.SetCurColumnsOrURL("\"ABC");
    tree.DeleteNode(added);
    const std::string folder = "folder " + std::to_string(added) + " part ";
    EXPECT_EQ(observer_.events,
              (std::vector<std::string>{
                  "folders", folder + std::to_string(static_cast<int>(FolderPart::Name)),
                  folder + std::to_string(static_cast<int>(FolderPart::Filter)),
                  folder + std::to_string(static_cast<int>(FolderPart::Columns)), "folders"}));

    observer_.events.clear();
    doc_.EnsureSellerFolders();
    doc_.GetSellerList().AddSeller("amy", "eBay UK", "{UK}");
    doc_.EnsureSellerFolders();
    EXPECT_FALSE(observer_.events.empty());
}

// A profile made or read is one event, told once its contents stand; nothing
// of the emptying or reading before it is told.
TEST_F(DocumentEventsTest, AProfileMadeOrReadIsAnnouncedWithItsHintAndKeepsTheListeners) {
    const gb::test::TempFolder folder;
    ASSERT_TRUE(doc_.OnSaveDocument(folder / "Shop.pro"));
    doc_.SetProfileName("Other");
    doc_.GetItemList().RemoveAll();
    observer_.events.clear();
    std::vector<std::string> seen;
    Probe probe([&](const DocumentEvent&) {
        const CItemList& items = doc_.GetItemList();
        seen.push_back(doc_.GetProfileName() + " " +
                       std::to_string(items.GetStateList(folder::InProgress)->Size() +
                                      items.GetStateList(folder::AuctionEnded)->Size()));
    });
    doc_.GetEvents().Add(&probe);
    ASSERT_TRUE(doc_.OnOpenDocument(folder / "Shop.pro"));
    EXPECT_EQ(observer_.events, std::vector<std::string>{"replaced 1"});
    EXPECT_EQ(seen, std::vector<std::string>{"Shop 2"});
    doc_.GetEvents().Remove(&probe);

    // The tree read from the file announces through this document.
    observer_.events.clear();
    doc_.EditFolders().SetCurName("Renamed");
    EXPECT_EQ(observer_.events.size(), 1u);

    observer_.events.clear();
    ASSERT_TRUE(doc_.OnNewDocument());
    EXPECT_EQ(observer_.events, std::vector<std::string>{"replaced 0"});
}

// A listener that goes away while another is told is not told afterwards.
TEST_F(DocumentEventsTest, AListenerRemovedMeanwhileIsNotTold) {
    struct Remover final : DocumentListener {
        DocumentEvents* events = nullptr;
        DocumentListener* other = nullptr;
        void OnDocumentEvent(const DocumentEvent&) override { events->Remove(other); }
    } remover;
    doc_.GetEvents().Remove(&observer_);
    remover.events = &doc_.GetEvents();
    remover.other = &observer_;
    doc_.GetEvents().Add(&remover);
    doc_.GetEvents().Add(&observer_);
    doc_.EditFolders().SetCurName("Renamed");
    EXPECT_TRUE(observer_.events.empty());
    doc_.GetEvents().Remove(&remover);
}

}  // namespace
