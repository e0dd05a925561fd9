// The item commands on the real item list: Delete and Move over a selection,
// Create Duplicate, the item's pages on its site, and Item Search in the
// folder on display and over all folders.

#include <QtCore/QPointer>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateTimeEdit>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>

#include <map>
#include <string>

#include "FrameFixture.h"
#include "SiteObjects.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/items/CDuplicateDlg.h"
#include "app/dialogs/items/CFindDlg.h"
#include "app/dialogs/items/CMoveFolderDlg.h"
#include "app/ui/CSummaryBar.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

using namespace gb::itemdb;
using gb::widgets::ScriptedModalRunner;
namespace cmd = gb::app::cmd;

namespace {

class ItemCommandsTest : public FrameFixture {
protected:
    void SetUp() override { sellerFolder = test_profile::Prepare(document); }

    void OpenFolderOf(std::int32_t list, int count) {
        test_profile::AddItems(document, sellerFolder, list, count);
        OpenWindow();
        Open(test_profile::AllItemsFolder(document, sellerFolder, list));
        ASSERT_NE(List(), nullptr);
    }
    gb::app::ui::ItemListModel& Model() { return List()->Model(); }
    void Select(std::initializer_list<int> rows) {
        QItemSelection selection;
        for (const int row : rows) {
            selection.select(Model().index(row, 0), Model().index(row, Model().columnCount() - 1));
        }
        List()->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
    }
    QStringList Ids() {
        QStringList ids;
        for (int row = 0; row < Model().rowCount(); ++row) {
            ids << Model().CellText(row, 1);
        }
        return ids;
    }
    // Auction ID to the state list that holds it.
    std::map<std::string, std::int32_t> States() {
        std::map<std::string, std::int32_t> states;
        for (const std::int32_t list :
             {folder::InProgress, folder::AuctionEnded, folder::Archive, folder::DeletedItems}) {
            for (const CAucItem& item : document.GetItemList().GetStateList(list)->Items()) {
                states[std::string(item.GetAuctionId())] = list;
            }
        }
        return states;
    }
    void AddEnded(const std::string& id) {
        CAucItem item;
        item.SetSite("eBay USA");
        item.SetSellerId(test_profile::kSeller);
        item.SetAuctionId(id);
        item.SetBuyerId("ann");
        item.SetFolderId(sellerFolder);
        item.SetStartDate("3/1/2004 10:00:00");
        item.SetEndDate("3/8/2004 10:00:00");
        document.GetItemList().AddItem(item, folder::AuctionEnded);
    }
    int RowOf(const QString& id) { return static_cast<int>(Ids().indexOf(id)); }

    std::int32_t sellerFolder = 0;
};

TEST_F(ItemCommandsTest, CommandsAreEnabledByTheSelectionTheyNeed) {
    OpenFolderOf(folder::AuctionEnded, 3);
    const auto enabled = [this](int command) { return frame->QueryCommand(command).enabled; };
    for (const int command : {cmd::DeleteItems, cmd::MoveItems, cmd::CreateDuplicate,
                              cmd::ViewListing, cmd::Feedback}) {
        EXPECT_FALSE(enabled(command)) << command;
    }
    EXPECT_TRUE(enabled(cmd::ItemSearch));
    Select({1});
    EXPECT_TRUE(enabled(cmd::CreateDuplicate));
    EXPECT_TRUE(enabled(cmd::ArchiveItems));
    Select({0, 1});
    EXPECT_FALSE(enabled(cmd::CreateDuplicate));
    EXPECT_TRUE(enabled(cmd::DeleteItems));
    EXPECT_TRUE(enabled(cmd::BidHistory));
}

TEST_F(ItemCommandsTest, DeletingThreeItemsAsksWithTheCountAndMovesThem) {
    OpenFolderOf(folder::AuctionEnded, 5);
    Select({0, 2, 3});
    const QStringList chosen{Ids()[0], Ids()[2], Ids()[3]};
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    ASSERT_TRUE(frame->ExecuteCommand(cmd::DeleteItems));
    Settle();

    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran()[0].text, "Do you want to delete these 3 items?");
    for (const QString& id : chosen) {
        EXPECT_EQ(States().at(id.toStdString()), folder::DeletedItems) << id.toStdString();
        EXPECT_FALSE(Ids().contains(id));
    }
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(frame->SummaryBar()->Count(), "2");
    EXPECT_TRUE(document.IsModified());
}

TEST_F(ItemCommandsTest, AnsweringNoToTheQuestionDeletesNothing) {
    OpenFolderOf(folder::AuctionEnded, 2);
    Select({1});
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::No));
    frame->ExecuteCommand(cmd::ArchiveItems);
    EXPECT_EQ(services.modals.Ran().at(0).text, "Archive this item?");
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_EQ(document.GetItemList().GetStateList(folder::Archive)->Size(), 0u);
}

// Rows that leave the display must neither hide another selected row from
// the walk nor bring one back: every other row of ten is archived once.
TEST_F(ItemCommandsTest, ASelectionWhoseRowsLeaveIsWalkedWithoutSkipsOrRepeats) {
    OpenFolderOf(folder::AuctionEnded, 10);
    Select({0, 2, 4, 6, 8});
    const QStringList ids = Ids();
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    frame->ExecuteCommand(cmd::ArchiveItems);
    Settle();

    EXPECT_EQ(Ids(), (QStringList{ids[1], ids[3], ids[5], ids[7], ids[9]}));
    EXPECT_EQ(document.GetItemList().GetStateList(folder::Archive)->Size(), 5u);
    for (int row = 0; row < 10; row += 2) {
        EXPECT_EQ(States().at(ids[row].toStdString()), folder::Archive);
    }
    EXPECT_EQ(List()->SelectedCount(), 0u);
}

TEST_F(ItemCommandsTest, MovingToASellerFolderKeepsRunningItemsInProgress) {
    CFolderTree& tree = document.EditFolders();
    const std::int32_t target = tree.AddNode(folder::Auctions, folder::Root, sellerFolder);
    tree.SetCurName("Second seller");
    test_profile::AddItems(document, sellerFolder, folder::AuctionEnded, 2, 2000);
    OpenFolderOf(folder::InProgress, 2);

    const auto moveAll = [this, target] {
        List()->selectAll();
        services.modals.Then(ScriptedModalRunner::Accept([target](QDialog& dialog) {
            auto& move = dynamic_cast<gb::app::ui::CMoveFolderDlg&>(dialog);
            ASSERT_TRUE(move.Choose(target));
        }));
        ASSERT_TRUE(frame->ExecuteCommand(cmd::MoveItems));
        Settle();
        // They left the first seller's folder.
        EXPECT_EQ(Model().rowCount(), 0);
    };
    moveAll();
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    ASSERT_EQ(Model().rowCount(), 2);
    moveAll();

    const std::map<std::string, std::int32_t> states = States();
    EXPECT_EQ(states.at("1000"), folder::InProgress);
    EXPECT_EQ(states.at("1001"), folder::InProgress);
    EXPECT_EQ(states.at("2000"), folder::AuctionEnded);
    EXPECT_EQ(states.at("2001"), folder::AuctionEnded);
    for (const std::int32_t list : {folder::InProgress, folder::AuctionEnded}) {
        for (const CAucItem& item : document.GetItemList().GetStateList(list)->Items()) {
            EXPECT_EQ(item.GetStorageFolder(), target) << item.GetAuctionId();
        }
    }
}

TEST_F(ItemCommandsTest, DuplicatesProposeTheNextFreeAuctionId) {
    AddEnded("555");
    AddEnded("555-2");
    OpenWindow();
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    ASSERT_NE(List(), nullptr);

    const auto duplicate = [this](const QString& of, const QString& proposal) {
        Select({RowOf(of)});
        services.modals.Then(ScriptedModalRunner::Accept([proposal](QDialog& dialog) {
            auto& dlg = dynamic_cast<gb::app::ui::CDuplicateDlg&>(dialog);
            EXPECT_EQ(dlg.AuctionIdEdit()->text(), proposal);
            dlg.BuyerIdEdit()->setText("bob");
            dlg.EndDateEdit()->setDate(dlg.StartEdit()->date().addDays(7));
        }));
        frame->ExecuteCommand(cmd::CreateDuplicate);
        EXPECT_EQ(services.modals.StepsLeft(), 0u);
    };
    const int source = RowOf("555");
    duplicate("555", "555-1");
    // The new item is ended, needs attention and shows in the folder, selected,
    // in the row its original had; the totals count it.
    ASSERT_TRUE(Ids().contains("555-1"));
    EXPECT_EQ(RowOf("555-1"), source);
    EXPECT_EQ(RowOf("555"), source + 1);
    EXPECT_EQ(Model().ItemAt(List()->currentIndex().row())->GetAuctionId(), "555-1");
    EXPECT_EQ(States().at("555-1"), folder::AuctionEnded);
    Settle();
    EXPECT_EQ(frame->SummaryBar()->Count(), "3");
    duplicate("555-1", "555-3");
    EXPECT_EQ(States().at("555-3"), folder::AuctionEnded);
}

TEST_F(ItemCommandsTest, ADuplicateWithoutBuyerIsRefusedAndTheDialogStays) {
    AddEnded("555");
    OpenWindow();
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    Select({0});
    services.modals.Then(ScriptedModalRunner::Reject([this](QDialog& dialog) {
        auto& dlg = dynamic_cast<gb::app::ui::CDuplicateDlg&>(dialog);
        dlg.BuyerIdEdit()->setText("  ");
        services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
        dlg.accept();
        EXPECT_TRUE(dlg.isVisible());
    }));
    frame->ExecuteCommand(cmd::CreateDuplicate);
    ASSERT_EQ(services.modals.Ran().size(), 2u);
    EXPECT_TRUE(services.modals.Ran()[1].text.startsWith("Invalid - You must enter a buyer id."));
    EXPECT_EQ(document.GetItemList().GetStateList(folder::AuctionEnded)->Size(), 1u);
}

class ItemPagesTest : public ItemCommandsTest {
protected:
    static void SetUpTestSuite() { gb::test::RegisterSiteObjects(); }
};

TEST_F(ItemPagesTest, ViewListingOfADuplicateOpensTheListingOfItsOriginal) {
    AddEnded("555-2");
    OpenWindow();
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    Select({0});
    ASSERT_TRUE(frame->ExecuteCommand(cmd::ViewListing));
    Settle();
    // The listing opens in the desktop's browser; the list stays with its
    // selection.
    ASSERT_EQ(services.shell.links.size(), 1u);
    const std::string listing = services.shell.links[0];
    EXPECT_NE(listing.find("555"), std::string::npos) << listing;
    EXPECT_EQ(listing.find("555-2"), std::string::npos) << listing;
    ASSERT_NE(frame->GetRightView(), nullptr);
    EXPECT_EQ(frame->GetRightView()->Kind(), gb::app::ViewKind::Items);
    EXPECT_EQ(List()->SelectedCount(), 1u);
    EXPECT_TRUE(services.modals.Ran().empty());
}

TEST_F(ItemPagesTest, ASitePageTheDesktopCannotOpenIsSaid) {
    AddEnded("555");
    OpenWindow();
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    Select({0});
    services.shell.succeeds = false;
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ASSERT_TRUE(frame->ExecuteCommand(cmd::BidHistory));
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_TRUE(services.modals.Ran()[0].text.startsWith("Cannot navigate to the auction site."));
    EXPECT_EQ(services.shell.links.size(), 1u);
}

class ItemSearchTest : public ItemCommandsTest {
protected:
    gb::app::ui::CFindDlg& SearchDialog() {
        List()->Search().OnItemSearch();
        gb::app::ui::CFindDlg* dialog = List()->Search().FindDialog();
        EXPECT_NE(dialog, nullptr);
        return *dialog;
    }
    void Search(gb::app::ui::CFindDlg& dialog, int fieldId, const QString& text) {
        dialog.FieldBox()->setCurrentIndex(dialog.FieldBox()->findData(fieldId));
        dialog.TextEdit()->setText(text);
        dialog.FindButton()->click();
    }
    int CurrentRow() { return List()->currentIndex().row(); }
};

TEST_F(ItemSearchTest, FindNextWrapsRoundToTheFirstMatch) {
    OpenFolderOf(folder::AuctionEnded, 6);
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    EXPECT_EQ(dialog.FindButton()->text(), "&Find Next");
    // Items 1001, 1002, 1004 and 1005 have buyers: "BUYER" in another case
    // finds them all.
    QStringList found;
    for (int i = 0; i < 5; ++i) {
        Search(dialog, field::BuyerId, "BUYER");
        found << Model().CellText(CurrentRow(), 1);
    }
    EXPECT_EQ(found, (QStringList{"1001", "1002", "1004", "1005", "1001"}));
    EXPECT_EQ(List()->SelectedCount(), 1u);
    EXPECT_TRUE(services.modals.Ran().empty());
}

TEST_F(ItemSearchTest, BlanksAloneAreRefusedAndTheDialogStays) {
    OpenFolderOf(folder::AuctionEnded, 3);
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    Search(dialog, field::Description, "   ");
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran()[0].text, "Enter a search string or press 'Cancel' to exit.");
    EXPECT_TRUE(dialog.isVisible());
}

TEST_F(ItemSearchTest, NoMatchAndTheOnlyMatchAreSaid) {
    OpenFolderOf(folder::AuctionEnded, 3);
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    Search(dialog, field::Description, "no such lot");
    Search(dialog, field::Description, "Lot 1001");
    Search(dialog, field::Description, "Lot 1001");
    ASSERT_EQ(services.modals.Ran().size(), 2u);
    EXPECT_TRUE(services.modals.Ran()[0].text.startsWith("There are no items in the current"));
    EXPECT_TRUE(services.modals.Ran()[1].text.startsWith("This is the only item"));
    EXPECT_EQ(Model().CellText(CurrentRow(), 1), "1001");
}

// The message about a match is a modal window, in which the rows may move:
// the match found before it is the row selected after it.
TEST_F(ItemSearchTest, TheMatchSaidInAMessageIsSelectedWhereverItsRowWent) {
    OpenFolderOf(folder::AuctionEnded, 4);
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    Search(dialog, field::Description, "Lot 1001");
    ASSERT_EQ(Model().CellText(CurrentRow(), 1), "1001");
    ScriptedModalRunner::Step onlyOne = ScriptedModalRunner::Press(QMessageBox::Ok);
    onlyOne.fill = [this](QDialog&) { List()->OnColumnClick(1); };
    services.modals.Then(onlyOne);
    Search(dialog, field::Description, "Lot 1001");
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(Model().CellText(1, 1), "1002");
    EXPECT_EQ(Model().CellText(CurrentRow(), 1), "1001");
}

TEST_F(ItemSearchTest, AnAllFoldersSearchFillsSearchResults) {
    test_profile::AddItems(document, sellerFolder, folder::InProgress, 3, 1000);
    OpenFolderOf(folder::AuctionEnded, 3);
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    dialog.AllFoldersButton()->click();
    EXPECT_EQ(dialog.FindButton()->text(), "&Find");
    QPointer<gb::app::ui::CFindDlg> open(&dialog);
    Search(dialog, field::BuyerId, "buyer2");
    Settle();

    EXPECT_TRUE(open.isNull());
    EXPECT_EQ(document.GetSelectedFolderId(), folder::SearchResults);
    EXPECT_EQ(document.GetSelectedFolder()->description.Get(),
              "Items where Buyer ID contains 'buyer2'");
    ASSERT_NE(List(), nullptr);
    // buyer2 bought item 2 of either list.
    EXPECT_EQ(Model().rowCount(), 2);
    EXPECT_TRUE(frame->CaptionText().endsWith("Items where Buyer ID contains 'buyer2'"));
}

TEST_F(ItemSearchTest, WithoutASearchResultsFolderTheFolderOnDisplayIsKept) {
    ASSERT_TRUE(document.EditFolders().DeleteNode(folder::SearchResults));
    OpenFolderOf(folder::AuctionEnded, 3);
    const std::int32_t shown = document.GetSelectedFolderId();
    const std::string description = document.GetSelectedFolder()->description.Get();
    gb::app::ui::CFindDlg& dialog = SearchDialog();
    dialog.AllFoldersButton()->click();
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    Search(dialog, field::BuyerId, "buyer2");

    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_TRUE(services.modals.Ran()[0].text.contains("no Search Results folder"));
    EXPECT_EQ(document.GetSelectedFolderId(), shown);
    EXPECT_EQ(document.GetSelectedFolder()->description.Get(), description);
    EXPECT_EQ(Model().rowCount(), 3);
}

}  // namespace
