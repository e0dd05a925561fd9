// The item list keeps what the seller sees: the selection and the current
// row stay with their items through sorting, edits and rows an update merges
// while the list is in use; an edit updates its row in place.

#include <QtCore/QTimer>
#include <QtPrintSupport/QPrintPreviewWidget>
#include <QtTest/QTest>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QScrollBar>

#include "FrameFixture.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/bulk/CAutoShipPage.h"
#include "app/dialogs/items/CDuplicateDlg.h"
#include "app/dialogs/items/CMoveFolderDlg.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/sheet/EditItem.h"
#include "app/dialogs/status/CStatusDlg.h"
#include "app/dialogs/summary/CSummaryDlg.h"
#include "app/ui/CSummaryBar.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "itemdb/RetrievedRow.h"
#include "platform/FileIo.h"
#include "ui_CSummaryDlg.h"

using namespace gb::itemdb;
using gb::widgets::ScriptedModalRunner;

namespace {

constexpr int kDescriptionColumn = 2;
constexpr int kEndDateColumn = 4;
constexpr int kMaxBidColumn = 6;

class ItemListIdentityTest : public FrameFixture {
protected:
    void SetUp() override { sellerFolder = test_profile::Prepare(document); }

    void OpenEnded(int items) {
        test_profile::AddItems(document, sellerFolder, folder::AuctionEnded, items);
        OpenWindow();
        Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
        ASSERT_NE(List(), nullptr);
    }
    gb::app::ui::ItemListModel& Model() { return List()->Model(); }
    // The folder of the items in Deleted Items.
    std::int32_t DeletedItemsFolder() {
        for (const CFolderNode* node : document.GetFolders().GetChain()) {
            if (node->parentId == folder::DeletedItems) {
                return node->id;
            }
        }
        return 0;
    }
    // The auction ID of each row, in row order.
    QStringList Ids() {
        QStringList ids;
        for (int row = 0; row < Model().rowCount(); ++row) {
            ids << Model().CellText(row, 1);
        }
        return ids;
    }
    QStringList SelectedIds() {
        QStringList ids;
        for (const CItemList::ItemId& id : List()->SelectedIds()) {
            ids << QString::fromStdString(id.GetAuctionId());
        }
        return ids;
    }
    QString CurrentId() { return Model().CellText(List()->currentIndex().row(), 1); }
    void Select(const QStringList& ids) {
        std::vector<CItemList::ItemId> items;
        for (const QString& id : ids) {
            const int row = static_cast<int>(Ids().indexOf(id));
            ASSERT_GE(row, 0) << id.toStdString();
            items.push_back(Model().IdAt(row));
        }
        List()->SelectItems(items);
    }
    void SelectId(const QString& id) {
        const int row = static_cast<int>(Ids().indexOf(id));
        ASSERT_GE(row, 0) << id.toStdString();
        List()->selectionModel()->setCurrentIndex(
            Model().index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    }
    // Deleted Items on display with items 1000 to 1003, and nothing else in
    // the profile.
    void ShowDeletedItems() {
        document.GetItemList().RemoveAll();
        test_profile::AddItems(document, sellerFolder, folder::DeletedItems, 4);
        Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
        Open(DeletedItemsFolder());
        ASSERT_EQ(Ids(), (QStringList{"1000", "1001", "1002", "1003"}));
    }
    const CAucItem* Stored(const std::string& id) {
        CItemList::ListPos position;
        return document.GetItemList().FindItem("eBay USA", id, &position)
                   ? document.GetItemList().GetItem(position)
                   : nullptr;
    }
    // What an update run merges for one of the seller's items.
    void Merge(const std::string& id, const std::string& price) {
        RetrievedRow row;
        row.seller = test_profile::kSeller;
        row.item = id;
        row.start = "1/1/2004 10:00:00 AM";
        row.end = "2/1/2004 10:00:00 AM";
        row.price = price;
        row.description = "Lot " + id;
        row.bidder = "merged_buyer";
        row.completion = "*";
        document.GetItemList().MergeRow("eBay USA", row, sellerFolder, 0);
    }
    // Answers the item sheet: runs `meanwhile` while it is open, then types
    // the description and presses OK.
    void EditWithSheet(const QString& description, const std::function<void()>& meanwhile = {}) {
        services.modals.Then(ScriptedModalRunner::Accept([=](QDialog& dialog) {
            if (meanwhile) {
                meanwhile();
            }
            auto* text = dialog.findChild<QPlainTextEdit*>("description");
            ASSERT_NE(text, nullptr);
            text->setPlainText(description);
        }));
        ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::EditItems));
        Settle();
    }

    std::int32_t sellerFolder = 0;
};

TEST_F(ItemListIdentityTest, SortingMovesTheSelectionAndTheCurrentRowWithTheirItems) {
    OpenEnded(12);
    SelectId("1003");
    List()->OnColumnClick(kMaxBidColumn);
    EXPECT_EQ(SelectedIds(), QStringList{"1003"});
    List()->OnColumnClick(kDescriptionColumn);
    List()->OnColumnClick(kDescriptionColumn);
    ASSERT_NE(Ids().indexOf("1003"), 3);
    EXPECT_EQ(SelectedIds(), QStringList{"1003"});
    EXPECT_EQ(CurrentId(), "1003");

    // The command goes to the item the seller sees selected.
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::DeleteItems));
    Settle();
    EXPECT_EQ(Stored("1003")->GetState(), folder::DeletedItems);
    EXPECT_EQ(document.GetItemList().GetStateList(folder::DeletedItems)->Size(), 1u);
    // Every row left still names its item.
    ASSERT_EQ(Model().rowCount(), 11);
    for (int row = 0; row < Model().rowCount(); ++row) {
        EXPECT_NE(document.GetItemList().GetItemAt(Model().IdAt(row)), nullptr) << row;
    }
}

TEST_F(ItemListIdentityTest, AnEditUpdatesItsRowInPlaceAndKeepsSortSelectionAndTheWholeLoad) {
    OpenEnded(401);
    ASSERT_TRUE(List()->IsPartiallyLoaded());
    List()->OnColumnClick(kMaxBidColumn);
    ASSERT_EQ(Model().rowCount(), 401);
    SelectId("1200");
    const QStringList order = Ids();
    const int row = static_cast<int>(order.indexOf("1200"));

    EditWithSheet("Edited in place");

    EXPECT_EQ(Model().rowCount(), 401);
    EXPECT_FALSE(List()->IsPartiallyLoaded());
    EXPECT_EQ(Ids(), order);
    EXPECT_EQ(SelectedIds(), QStringList{"1200"});
    EXPECT_EQ(Model().CellText(row, kDescriptionColumn), "Edited in place");
    EXPECT_EQ(Stored("1200")->GetDescription(), "Edited in place");
    EXPECT_EQ(List()->SortField(), field::MaxBid);
}

// The rows an update merges while the sheet is open reach the list's items:
// the edit is stored on the item the seller chose, in whatever list the merge
// filed it.
TEST_F(ItemListIdentityTest, AnEditCarriesItsItemAcrossRowsMergedWhileTheSheetIsOpen) {
    OpenEnded(5);
    SelectId("1002");
    EditWithSheet("Typed during the update", [this] {
        Merge("1002", "$99.00");
        Merge("7777", "$1.00");
    });
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
    const CAucItem* stored = Stored("1002");
    ASSERT_NE(stored, nullptr);
    EXPECT_EQ(stored->GetDescription(), "Typed during the update");
    EXPECT_NE(Stored("7777"), nullptr);
}

// An update that changes an item while the seller edits it (a $99 bid, a
// buyer, the item ended; new dates) keeps all of it: the sheet, Set Status
// and the bulk update store only what the seller changed, onto the item as
// the update left it, and his value wins where both changed a field.
TEST_F(ItemListIdentityTest, AnEditDuringAnUpdateKeepsWhatTheUpdateBrought) {
    test_profile::AddItems(document, sellerFolder, folder::InProgress, 3, 2000);
    OpenEnded(3);
    const auto expectMerged = [this](const std::string& id) {
        const CAucItem* stored = Stored(id);
        ASSERT_NE(stored, nullptr) << id;
        std::string bid;
        stored->GetMaxBid(bid);
        EXPECT_EQ(bid, "$99.00") << id;
        EXPECT_EQ(stored->GetBuyerId(), "merged_buyer") << id;
        EXPECT_EQ(stored->GetState(), folder::AuctionEnded) << id;
    };
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::InProgress));

    // The item sheet: the seller changes the description, the update too.
    SelectId("2000");
    EditWithSheet("Typed during the update", [this] { Merge("2000", "$99.00"); });
    expectMerged("2000");
    EXPECT_EQ(Stored("2000")->GetDescription(), "Typed during the update");
    EXPECT_EQ(Stored("2000")->GetStatus(), folder::NeedsAttention);

    // Set Status on an ended item whose dates the update moves meanwhile.
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    SelectId("1001");
    std::int32_t chosen = 0;
    services.modals.Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
        Merge("1001", "$99.00");
        auto* choices = dialog.findChild<QComboBox*>("status");
        choices->setCurrentIndex(choices->count() - 1);
        chosen = dynamic_cast<gb::app::ui::CStatusDlg&>(dialog).StatusId();
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::SetStatus));
    Settle();
    EXPECT_EQ(Stored("1001")->GetStatus(), chosen);
    std::string end;
    Stored("1001")->GetEndDate(end);
    EXPECT_EQ(end, "2/1/2004");

    // The bulk update: a weight for an item whose dates the update moves.
    SelectId("1002");
    services.modals.Then(ScriptedModalRunner::Accept([this](QDialog& dialog) {
        Merge("1002", "$99.00");
        auto& sheet = dynamic_cast<gb::app::ui::CAutoSheet&>(dialog);
        for (int page = 0; page < sheet.PageCount(); ++page) {
            ASSERT_TRUE(sheet.SetActivePage(page));
            if (auto* ship = dynamic_cast<gb::app::ui::CAutoShipPage*>(sheet.Page(page))) {
                ship->findChild<QComboBox*>("weight")->setEditText("2 lb");
                break;
            }
        }
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::BulkUpdate));
    Settle();
    EXPECT_EQ(Stored("1002")->GetWeight(), "2 lb");
    Stored("1002")->GetEndDate(end);
    EXPECT_EQ(end, "2/1/2004");
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

// An item that a merge took out of Deleted Items and filed anew is no longer
// the item the seller edited: he is told, and nothing else is changed.
TEST_F(ItemListIdentityTest, AnEditWhoseItemLeftTheProfileMeanwhileIsReported) {
    test_profile::AddItems(document, sellerFolder, folder::DeletedItems, 3);
    OpenWindow();
    Open(DeletedItemsFolder());
    ASSERT_EQ(Model().rowCount(), 3);
    SelectId("1001");
    services.modals.Then(ScriptedModalRunner::Accept([this](QDialog& dialog) {
        Merge("1001", "$5.00");
        dialog.findChild<QPlainTextEdit*>("description")->setPlainText("Lost?");
    }));
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::EditItems));
    Settle();

    ASSERT_EQ(services.modals.Ran().size(), 2u);
    EXPECT_EQ(services.modals.Ran()[1].text.toStdString(), gb::app::ui::kEditedItemGone);
    EXPECT_EQ(Stored("1001")->GetDescription(), "Lot 1001");
}

// Merging replaces items under the list's rows; sorting, export and printing
// during the run use the items the rows name, and the rows follow once the
// run pauses.
TEST_F(ItemListIdentityTest, TheListCanBeUsedWhileAnUpdateMergesRows) {
    test_profile::AddItems(document, sellerFolder, folder::DeletedItems, 4);
    OpenWindow();
    Open(DeletedItemsFolder());
    List()->selectAll();
    Merge("1000", "$5.00");
    Merge("1002", "$5.00");
    // The two items merged went back to the seller's lists: their rows leave.
    Settle();
    EXPECT_EQ(Model().rowCount(), 2);

    List()->OnColumnClick(kDescriptionColumn);
    services.modals.Then(ScriptedModalRunner::Reject());
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::ExportItems));
    services.modals.Then(ScriptedModalRunner::Reject());
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::FilePrintPreview));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);

    // The reload once the run pauses keeps the sort.
    QTest::qWait(300);
    EXPECT_EQ(Ids(), (QStringList{"1003", "1001"}));
}

// While an update merges rows, the totals stay those of the folder, a merged
// row shows what the update brought before the rows are reloaded, and a new
// item whose value equals that of a row the user saw sorts after it.
TEST_F(ItemListIdentityTest, DuringAnUpdateTheTotalsAndTheMergedRowsStayRight) {
    OpenEnded(6);
    List()->OnColumnClick(kMaxBidColumn);
    const int row = static_cast<int>(Ids().indexOf("1002"));
    Merge("1002", "$99.00");
    EXPECT_EQ(Model().CellText(row, kEndDateColumn), "2/1/2004");
    Merge("7777", "$6.00");
    Settle();
    EXPECT_EQ(frame->SummaryBar()->Count(), "7");
    SelectId("1003");
    EditWithSheet("Edited during the update");
    EXPECT_EQ(frame->SummaryBar()->Count(), "7");

    ASSERT_TRUE(QTest::qWaitFor([this] { return Model().rowCount() == 7; }, 30000));
    const QStringList ids = Ids();
    EXPECT_EQ(ids.indexOf("7777"), ids.indexOf("1001") + 1);
    EXPECT_EQ(frame->SummaryBar()->Count(), "7");
    EXPECT_EQ(SelectedIds(), QStringList{"1003"});
}

// Every command that carries the list's items across a window of its own
// keeps to the items that still exist when it acts: an update that destroys
// one of them meanwhile (a deleted item that a site still reports comes back
// as a new item) leaves it out, and what the user is told counts what was
// done. Printing and the summary show the list as it was when he clicked.
TEST_F(ItemListIdentityTest, CommandsActOnlyOnTheItemsThatOutliveTheirWindows) {
    OpenWindow();
    const std::filesystem::path exported = folder / "deleted.csv";
    int previewPages = 0;
    QString summarized;
    std::int32_t chosenStatus = 0;
    // The first window of each command runs the update's merge.
    const auto merging = [this](std::function<void(QDialog&)> fill) {
        return [this, fill](QDialog& dialog) {
            Merge("1001", "$5.00");
            ASSERT_EQ(Stored("1001")->GetState(), folder::AuctionEnded);
            fill(dialog);
        };
    };
    const auto state = [this](const std::string& id) { return Stored(id)->GetState(); };
    const auto onlyTheOthersIn = [&](std::int32_t list) {
        for (const std::string id : {"1000", "1002", "1003"}) {
            EXPECT_EQ(state(id), list) << id;
        }
        EXPECT_EQ(state("1001"), folder::AuctionEnded);
    };
    struct Case {
        const char* name;
        int command;
        QStringList selected;
        std::vector<ScriptedModalRunner::Step> answers;
        std::function<void()> expect;
    };
    const Case cases[] = {
        {"Export",
         gb::app::cmd::ExportItems,
         {},
         {ScriptedModalRunner::Accept(merging([&](QDialog& dialog) {
              dialog.findChild<QLineEdit*>("target")->setText(
                  QString::fromStdString(exported.string()));
              dialog.findChild<QComboBox*>("type")->setCurrentIndex(0);
          })),
          ScriptedModalRunner::Press(QMessageBox::Ok)},
         [&] {
             const QStringList lines =
                 QString::fromStdString(gb::ReadWholeFile(exported).value_or("")).split("\r\n");
             ASSERT_EQ(lines.size(), 5) << lines.join('|').toStdString();
             EXPECT_TRUE(lines[1].startsWith("1000") && lines[2].startsWith("1002") &&
                         lines[3].startsWith("1003"))
                 << lines.join('|').toStdString();
             EXPECT_EQ(services.modals.Ran().back().text,
                       "Export Complete! Only 3 of the 4 items were exported: the others left "
                       "the profile while the export dialog was open.");
         }},
        {"Print Preview",
         gb::app::cmd::FilePrintPreview,
         {},
         {ScriptedModalRunner::Accept(merging([&](QDialog& dialog) {
             auto* preview = dialog.findChild<QPrintPreviewWidget*>();
             ASSERT_NE(preview, nullptr);
             preview->updatePreview();
             QApplication::processEvents();
             previewPages = preview->pageCount();
         }))},
         [&] { EXPECT_GE(previewPages, 1); }},
        {"Instant Summary",
         gb::app::cmd::InstantSummary,
         {"1000", "1001"},
         {ScriptedModalRunner::Accept(merging([&](QDialog& dialog) {
             auto& summary = dynamic_cast<gb::app::ui::CSummaryDlg&>(dialog);
             summary.Form().currentFolder->click();
             summarized = summary.Form().allCount->text();
         }))},
         [&] { EXPECT_EQ(summarized, "4"); }},
        {"Archive",
         gb::app::cmd::ArchiveItems,
         {"1000", "1001", "1002", "1003"},
         {{"QMessageBox",
           {},
           merging([](QDialog&) {}),
           ScriptedModalRunner::Answer::PressButton,
           QMessageBox::Yes}},
         [&] { onlyTheOthersIn(folder::Archive); }},
        {"Move",
         gb::app::cmd::MoveItems,
         {"1000", "1001", "1002", "1003"},
         {ScriptedModalRunner::Accept(merging([](QDialog& dialog) {
             ASSERT_TRUE(
                 dynamic_cast<gb::app::ui::CMoveFolderDlg&>(dialog).Choose(folder::Archive));
         }))},
         [&] { onlyTheOthersIn(folder::Archive); }},
        {"Set Status",
         gb::app::cmd::SetStatus,
         {"1000", "1001", "1002", "1003"},
         {ScriptedModalRunner::Accept(merging([&](QDialog& dialog) {
             auto* choices = dialog.findChild<QComboBox*>("status");
             choices->setCurrentIndex(choices->count() - 1);
             chosenStatus = dynamic_cast<gb::app::ui::CStatusDlg&>(dialog).StatusId();
         }))},
         [&] {
             for (const std::string id : {"1000", "1002", "1003"}) {
                 EXPECT_EQ(Stored(id)->GetStatus(), chosenStatus) << id;
             }
             EXPECT_NE(Stored("1001")->GetStatus(), chosenStatus);
         }},
        {"Bulk Update",
         gb::app::cmd::BulkUpdate,
         {"1000", "1001", "1002", "1003"},
         {ScriptedModalRunner::Accept(merging([](QDialog& dialog) {
             auto& sheet = dynamic_cast<gb::app::ui::CAutoSheet&>(dialog);
             for (int page = 0; page < sheet.PageCount(); ++page) {
                 ASSERT_TRUE(sheet.SetActivePage(page));
                 if (auto* ship = dynamic_cast<gb::app::ui::CAutoShipPage*>(sheet.Page(page))) {
                     ship->findChild<QComboBox*>("weight")->setEditText("2 lb");
                 }
             }
         }))},
         [&] {
             for (const std::string id : {"1000", "1002", "1003"}) {
                 EXPECT_EQ(Stored(id)->GetWeight(), "2 lb") << id;
             }
             EXPECT_EQ(Stored("1001")->GetWeight(), "");
         }},
        // A duplicate is made of the item as it was shown: the dialog works
        // on a copy.
        {"Create Duplicate",
         gb::app::cmd::CreateDuplicate,
         {"1001"},
         {ScriptedModalRunner::Accept(merging([](QDialog& dialog) {
              dynamic_cast<gb::app::ui::CDuplicateDlg&>(dialog).BuyerIdEdit()->setText("second");
          })),
          // The hint that the duplicate is filed outside the folder.
          ScriptedModalRunner::Accept()},
         [&] {
             ASSERT_NE(Stored("1001-1"), nullptr);
             EXPECT_EQ(Stored("1001-1")->GetBuyerId(), "second");
             // The bid shown, not the one the update brought.
             std::string bid;
             Stored("1001-1")->GetMaxBid(bid);
             EXPECT_EQ(bid, "$6.00");
         }},
    };
    for (const Case& command : cases) {
        SCOPED_TRACE(command.name);
        ShowDeletedItems();
        Select(command.selected);
        for (const ScriptedModalRunner::Step& answer : command.answers) {
            services.modals.Then(answer);
        }
        ASSERT_TRUE(frame->ExecuteCommand(command.command));
        Settle();
        EXPECT_EQ(services.modals.StepsLeft(), 0u);
        command.expect();
    }
}

// An update whose rows keep coming shows its new rows as it goes, not only
// once it pauses; when it stops, the list and the totals agree.
TEST_F(ItemListIdentityTest, RowsMergedSteadilyShowWhileTheUpdateStillRuns) {
    OpenEnded(3);
    constexpr int kMostRows = 300;
    int merged = 0;
    bool shownWhileRunning = false;
    QTimer run;
    QObject::connect(&run, &QTimer::timeout, [&] {
        if (Model().rowCount() > 3) {
            shownWhileRunning = true;
        }
        if (shownWhileRunning || merged == kMostRows) {
            run.stop();
            return;
        }
        Merge(std::to_string(5000 + merged), "$1.00");
        ++merged;
    });
    run.start(20);
    ASSERT_TRUE(QTest::qWaitFor([&run] { return !run.isActive(); }, 120000));
    EXPECT_TRUE(shownWhileRunning) << merged << " rows merged";
    EXPECT_LT(merged, kMostRows);

    ASSERT_TRUE(QTest::qWaitFor([&] { return Model().rowCount() == 3 + merged; }, 30000));
    EXPECT_EQ(frame->SummaryBar()->Count(), QString::number(3 + merged));
}

// An amount changed in the item sheet counts in the summary bar's total as
// soon as the sheet is closed.
TEST_F(ItemListIdentityTest, AnEditedMaxBidShowsInTheTotalAtOnce) {
    OpenEnded(4);
    const QString before = frame->SummaryBar()->TotalBids();
    SelectId("1002");
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        ASSERT_TRUE(dynamic_cast<gb::app::ui::CInvSheet&>(dialog).SetActivePage(
            gb::app::ui::CInvSheet::InvoiceTab));
        auto* bid = dialog.findChild<QLineEdit*>("maxBid");
        ASSERT_NE(bid, nullptr);
        bid->setText("777.25");
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::EditItems));
    Settle();
    std::string total;
    document.GetItemList().GetTotals().GetMaxBid(total);
    EXPECT_NE(QString::fromStdString(total), before);
    EXPECT_EQ(frame->SummaryBar()->TotalBids(), QString::fromStdString(total));
}

// A duplicate's longer auction ID is shown whole, the columns sized as a load
// of the folder sizes them.
TEST_F(ItemListIdentityTest, ADuplicatesRowSizesTheColumnsAsALoadDoes) {
    test_profile::AddItems(document, sellerFolder, folder::AuctionEnded, 2);
    CAucItem longId = *Stored("1000");
    longId.SetAuctionId("5100100047");
    ASSERT_TRUE(document.GetItemList().AddItem(longId, folder::AuctionEnded));
    OpenWindow();
    const std::int32_t ended =
        test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded);
    Open(ended);
    SelectId("5100100047");
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        dynamic_cast<gb::app::ui::CDuplicateDlg&>(dialog).BuyerIdEdit()->setText("second_buyer");
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::CreateDuplicate));
    Settle();
    ASSERT_TRUE(Ids().contains("5100100047-1"));
    const int width = List()->columnWidth(1);
    EXPECT_GT(width, List()->fontMetrics().horizontalAdvance("5100100047-1"));

    Open(DeletedItemsFolder());
    Open(ended);
    EXPECT_EQ(List()->columnWidth(1), width);
}

TEST_F(ItemListIdentityTest, EnterOnARowEditsItAsADoubleClickDoes) {
    OpenEnded(3);
    SelectId("1001");
    List()->setFocus();
    services.modals.Then(ScriptedModalRunner::Reject());
    QTest::keyClick(List(), Qt::Key_Return);
    Settle();
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran()[0].className, "gb::app::ui::CInvSheet");
}

TEST_F(ItemListIdentityTest, OpeningAFolderStartsAtTheLeftEdgeWithItsRowHeight) {
    OpenEnded(30);
    const int height = List()->visualRect(Model().index(0, 1)).height();
    List()->resize(200, 300);
    List()->horizontalScrollBar()->setValue(List()->horizontalScrollBar()->maximum());
    ASSERT_GT(List()->horizontalScrollBar()->value(), 0);
    Open(DeletedItemsFolder());
    Open(test_profile::AllItemsFolder(document, sellerFolder, folder::AuctionEnded));
    EXPECT_EQ(List()->horizontalScrollBar()->value(), 0);
    EXPECT_EQ(List()->visualRect(Model().index(0, 1)).height(), height);
}

TEST_F(ItemListIdentityTest, AColumnAddedToTheOpenFolderShowsAtOnce) {
    OpenEnded(3);
    const int columns = Model().columnCount();
    CFolderTree& tree = document.EditFolders();
    // One more code after the counted ones: the field of code 'M'.
    const std::string shown = tree.GetCurColumnsOrURL();
    tree.SetCurColumnsOrURL(std::string(1, static_cast<char>('!' + columns)) +
                            shown.substr(1, static_cast<std::size_t>(columns - 1)) + "M");
    Settle();
    EXPECT_EQ(Model().columnCount(), columns + 1);
    EXPECT_EQ(Model().rowCount(), 3);
}

// New criteria stored for the open report (as the report sheet's OK stores
// them) show in the list at once, with its totals.
TEST_F(ItemListIdentityTest, NewCriteriaOfTheOpenReportShowAtOnce) {
    test_profile::AddItems(document, sellerFolder, folder::AuctionEnded, 10);
    constexpr std::int32_t kShipped = 151;  // the sample status
    for (const std::string id : {"1001", "1003", "1005", "1007"}) {
        CAucItem item = *Stored(id);
        item.SetStatus(kShipped, false);
        document.GetItemList().ReplaceItem(item, document.GetItemList().IdOf(*Stored(id)));
    }
    OpenWindow();
    CFolderTree& tree = document.EditFolders();
    const std::int32_t report =
        tree.FindFolder("Sample - Rename this", folder::Reports, 0, folder::Sample);
    ASSERT_NE(report, 0);
    Open(report);
    ASSERT_EQ(Model().rowCount(), 10);

    CItemFilter criteria = *document.GetFolders().GetFilter(report);
    criteria.AddStatus(kShipped);
    ASSERT_TRUE(tree.FindNode(report));
    tree.SetCurFilter(criteria);
    Settle();
    EXPECT_EQ(Ids(), (QStringList{"1001", "1003", "1005", "1007"}));
    EXPECT_EQ(frame->SummaryBar()->Count(), "4");
}

}  // namespace
