// A seller's day on the real main window: a new profile with two seller IDs,
// an update from the emulated sites while the list is in use, sorting,
// editing and the item commands on a large folder, search, summary and a new
// column, reports, mail, export and printing, another profile opened and the
// day's opened again, then exit and the next morning's start on the same
// profile. Each step checks the profile, not only the widgets.

#include <QtCore/QDeadlineTimer>
#include <QtCore/QProcess>
#include <QtGui/QClipboard>
#include <QtGui/QGuiApplication>
#include <QtPrintSupport/QPrintPreviewWidget>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>

#include "ClientSettings.h"
#include "FakeServices.h"
#include "Screenshots.h"
#include "SiteEmulator.h"
#include "SiteObjects.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/bulk/CAutoShipPage.h"
#include "app/dialogs/folders/CColumnsDlg.h"
#include "app/dialogs/items/CDuplicateDlg.h"
#include "app/dialogs/items/CFindDlg.h"
#include "app/dialogs/items/CMoveFolderDlg.h"
#include "app/dialogs/profile/CSellerIdDlg.h"
#include "app/dialogs/status/CStatusDlg.h"
#include "app/ui/CInvView.h"
#include "app/ui/CMainFrame.h"
#include "app/ui/CMainView.h"
#include "app/ui/CNavView.h"
#include "app/ui/CSummaryBar.h"
#include "app/ui/ItemListModel.h"
#include "app/ui/LotkeeperProgram.h"
#include "app/ui/profile/CProView.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"
#include "platform/Clock.h"
#include "platform/ComponentLibrary.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"
#include "tests/support/qt/UntouchedWindows.h"

using namespace gb::itemdb;
using gb::app::ui::CInvView;
using gb::app::ui::LotkeeperProgram;
using gb::emulator::EmulatedBuyer;
using gb::emulator::EmulatedItem;
using gb::emulator::EmulatedSeller;
using gb::widgets::ScriptedModalRunner;
namespace cmd = gb::app::cmd;

namespace {

constexpr int kAuctionIdColumn = 1;
constexpr int kDescriptionColumn = 2;
constexpr int kMaxBidColumn = 6;
// Items each emulated seller lists; the first seller also has a large
// history of earlier sales in the profile.
constexpr int kItemsPerSeller = 60;
constexpr int kEarlierSales = 400;
constexpr int kRunLimitMs = 120000;

// `count` items of a seller, half of them ended and sold, the others running.
std::vector<EmulatedItem> SellerItems(int firstNumber, int count) {
    const std::optional<gb::CivilTime> now = gb::Clock::Now().ToCivil();
    const gb::DateTime today =
        gb::DateTime::FromCivil(now->year, now->month, now->day, now->hour, now->minute);
    std::vector<EmulatedItem> items;
    for (int i = 0; i < count; ++i) {
        EmulatedItem item;
        item.number = std::to_string(firstNumber + i);
        item.title = "Curio " + std::to_string(firstNumber + i);
        const bool ended = i % 2 == 0;
        item.start = today.AddHours(-200 - i);
        item.end = today.AddHours(ended ? -10 - i : 20 + i);
        item.price = gb::Money::FromUnits((10 + i) * gb::Money::kUnitsPerWhole);
        if (ended) {
            item.buyer = EmulatedBuyer{"buyer" + std::to_string(i), std::to_string(i),
                                       "buyer" + std::to_string(i) + "@example.test", ""};
        }
        items.push_back(std::move(item));
    }
    return items;
}

class SellersDay : public ::testing::Test {
protected:
    static void SetUpTestSuite() { gb::test::RegisterUpdateLibraries(); }

    void SetUp() override {
        // The program folder as installed: the fee schedule, the template
        // libraries and the demonstration profile.
        int made = -1;
        Tool({"make-data", QString::fromStdString(folder.Path().string())}, &made);
        ASSERT_EQ(made, 0);
        const auto seller = [](gb::sites::SiteClass site, std::string id, std::string password,
                               int firstNumber) {
            EmulatedSeller emulated;
            emulated.site = site;
            emulated.userId = std::move(id);
            emulated.password = std::move(password);
            emulated.items = SellerItems(firstNumber, kItemsPerSeller);
            return emulated;
        };
        emulator = std::make_unique<gb::emulator::SiteEmulator>(
            std::vector{seller(gb::sites::SiteClass::eBayUSA, "cornercurios", "usa-pw", 5000),
                        seller(gb::sites::SiteClass::eBayUK, "curios_uk", "uk-pw", 7000)});
        emulator->Start();
        ASSERT_TRUE(gb::emulator::PointSitesAt(user, emulator->Host(), emulator->AuthorityFile()));
    }
    void TearDown() override {
        program.reset();
        Settle();
        gb::emulator::ForgetEmulator(user);
    }

    void Start(std::vector<std::string> arguments = {}) {
        program =
            std::make_unique<LotkeeperProgram>(gb::app::CommandLine::Parse(arguments), user,
                                               folder.Path(), instanceName, services.Services());
        ASSERT_TRUE(program->InitInstance());
        Settle();
    }
    static void Settle() {
        for (int i = 0; i < 3; ++i) {
            QApplication::processEvents();
            QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
    }
    CAucDoc& Document() { return program->Document(); }
    gb::app::ui::CMainFrame& Frame() { return *program->Frame(); }
    gb::app::ui::CNavView& Tree() { return *Frame().GetMainView()->GetTreeView(); }
    CInvView& List() {
        auto* list = dynamic_cast<CInvView*>(Frame().GetRightView());
        EXPECT_NE(list, nullptr);
        return *list;
    }
    gb::app::ui::ItemListModel& Model() { return List().Model(); }
    bool Run(int command) { return Frame().ExecuteCommand(command); }
    void Open(std::int32_t folderId) {
        Tree().expandAll();
        Tree().OpenFolderItem(Tree().FindTreeItem(folderId));
        Settle();
    }

    // The folder of the seller ID at `index`, and its In Progress and Auction
    // Ended items.
    std::int32_t SellerFolder(int index) {
        Document().GetSellerList().SetCurrent(index);
        return Document().GetSellerList().GetFolderId();
    }
    std::int32_t AllItemsOf(std::int32_t sellerFolder, std::int32_t list) {
        const CFolderTree& tree = Document().GetFolders();
        for (const CFolderNode* group : tree.GetChain()) {
            if (group->parentId == sellerFolder && group->kind == list) {
                for (const CFolderNode* node : tree.GetChain()) {
                    if (node->parentId == group->id && node->kind == folder::AllItems) {
                        return node->id;
                    }
                }
            }
        }
        return 0;
    }

    QStringList Column(int column) {
        QStringList texts;
        for (int row = 0; row < Model().rowCount(); ++row) {
            texts << Model().CellText(row, column);
        }
        return texts;
    }
    QStringList Selected() {
        QStringList ids;
        for (const CItemList::ItemId& id : List().SelectedIds()) {
            ids << QString::fromStdString(id.GetAuctionId());
        }
        return ids;
    }
    void Select(const QStringList& ids) {
        std::vector<CItemList::ItemId> items;
        for (const QString& id : ids) {
            const int row = static_cast<int>(Column(kAuctionIdColumn).indexOf(id));
            EXPECT_GE(row, 0) << id.toStdString();
            if (row >= 0) {
                items.push_back(Model().IdAt(row));
            }
        }
        List().SelectItems(items);
    }
    // The state list that holds the seller's item; 0 for none.
    std::int32_t ListOf(const std::string& site, const std::string& id) {
        CItemList::ListPos position;
        return Document().GetItemList().FindItem(site, id, &position) ? position.GetList() : 0;
    }
    const CAucItem* Stored(const std::string& site, const std::string& id) {
        CItemList::ListPos position;
        return Document().GetItemList().FindItem(site, id, &position)
                   ? Document().GetItemList().GetItem(position)
                   : nullptr;
    }

    bool WaitForTheRunToEnd() {
        const QDeadlineTimer deadline(kRunLimitMs);
        while (Document().IsUpdating() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        Settle();
        return !Document().IsUpdating();
    }

    // What a program of the build prints or writes for the profile.
    static QString Tool(const QStringList& arguments, int* exitCode = nullptr) {
        QProcess tool;
        tool.start(QStringLiteral(GB_BIN_DIR "/gbtool"), arguments);
        EXPECT_TRUE(tool.waitForFinished(30000));
        if (exitCode != nullptr) {
            *exitCode = tool.exitCode();
        }
        return QString::fromLocal8Bit(tool.readAllStandardOutput());
    }
    QString DumpProfile() {
        return Tool({"dump-profile", QString::fromStdString(profile.string())});
    }

    gb::test::TempFolder folder;
    gb::Settings& user = gb::Settings::CurrentUser();
    const QString instanceName =
        QStringLiteral("GavelbookDay-%1").arg(QString::fromStdString(folder.Path().filename()));
    const std::filesystem::path profile = folder / "Corner Curios.pro";
    FakeServices services;
    std::unique_ptr<gb::emulator::SiteEmulator> emulator;
    std::unique_ptr<LotkeeperProgram> program;
};

ScriptedModalRunner::Step AddSeller(QString site, QString sellerId, QString password) {
    return ScriptedModalRunner::Accept([=](QDialog& dialog) {
        auto& seller = dynamic_cast<gb::app::ui::CSellerIdDlg&>(dialog);
        seller.SiteBox()->setCurrentIndex(seller.SiteBox()->findText(site));
        seller.SellerIdEdit()->setText(sellerId);
        seller.PasswordEdit()->setText(password);
    });
}

// A page of the sheet being run, whatever its place among the pages.
template <typename Page>
Page& PageOf(QDialog& dialog) {
    auto& sheet = dynamic_cast<gb::app::ui::CAutoSheet&>(dialog);
    for (int index = 0;; ++index) {
        if (!sheet.SetActivePage(index)) {
            ADD_FAILURE() << "no such page";
            std::abort();
        }
        if (auto* page = dynamic_cast<Page*>(sheet.Page(index))) {
            return *page;
        }
    }
}

TEST_F(SellersDay, FromANewProfileToTheNextMorning) {
    // 1. A new profile: its name, two seller IDs on two sites, Close, save.
    Start();
    ASSERT_EQ(Frame().GetRightView()->Kind(), gb::app::ViewKind::Profile);
    ASSERT_TRUE(Run(cmd::FileNew));
    Settle();
    auto* form = dynamic_cast<gb::app::ui::CProView*>(Frame().GetRightView());
    ASSERT_NE(form, nullptr);
    // The title, the tree's root and the form name the new profile alike.
    EXPECT_EQ(form->ProfileNameEdit()->text(), Tree().topLevelItem(0)->text(0));
    EXPECT_TRUE(Frame().windowTitle().startsWith(form->ProfileNameEdit()->text()));
    form->ProfileNameEdit()->setText("Corner Curios");
    services.modals.Then(AddSeller("eBay USA", "cornercurios", "usa-pw"))
        .Then(AddSeller("eBay UK", "curios_uk", "uk-pw"));
    form->AddButton()->click();
    form->AddButton()->click();
    form->CloseButton()->click();
    Settle();
    ASSERT_EQ(Frame().GetRightView()->Kind(), gb::app::ViewKind::Items);
    // Closing saved the new profile: the dialog proposed its name, in the
    // folder where profiles are kept rather than the working folder.
    ASSERT_EQ(services.files.saveProposals.size(), 1u);
    EXPECT_EQ(services.files.saveProposals[0].filename(), "Corner Curios.pro");
    EXPECT_NE(services.files.saveProposals[0].parent_path(), std::filesystem::current_path());
    services.files.saveAnswer = profile;
    ASSERT_TRUE(Run(cmd::FileSave));
    ASSERT_TRUE(std::filesystem::exists(profile));
    const std::int32_t usa = SellerFolder(0);
    const std::int32_t uk = SellerFolder(1);
    // The list opened on the first seller's folder.
    EXPECT_EQ(Document().GetFolders().GetNode(Document().GetSelectedFolderId())->parentId, usa);
    ASSERT_NE(Tree().FindTreeItem(usa), nullptr);
    ASSERT_NE(Tree().FindTreeItem(uk), nullptr);
    EXPECT_NE(Tree().FindTreeItem(folder::ByStatus), nullptr);
    EXPECT_EQ(Tree().topLevelItem(0)->text(0), "Corner Curios");
    // The list shows the folder the tree marks, with its own caption.
    EXPECT_EQ(Tree().CurrentNodeId(), Document().GetSelectedFolderId());

    // The seller's earlier sales, kept in the profile from other years.
    for (int i = 0; i < kEarlierSales; ++i) {
        CAucItem sold;
        sold.SetSite("eBay USA");
        sold.SetSellerId("cornercurios");
        sold.SetAuctionId(std::to_string(1000 + i));
        sold.SetDescription("Earlier sale " + std::to_string(i % 37));
        sold.SetFolderId(usa);
        sold.SetEndDate("3/" + std::to_string(1 + i % 28) + "/2025 10:00:00");
        sold.SetMaxBid(std::to_string(5 + i % 91) + ".00");
        sold.SetBuyerId("old_buyer" + std::to_string(i % 11));
        Document().GetItemList().AddItem(sold, folder::AuctionEnded);
    }

    // 2. Update Database while the list is in use.
    const std::int32_t usaEnded = AllItemsOf(usa, folder::AuctionEnded);
    Open(usaEnded);
    ASSERT_TRUE(Run(cmd::UpdateDatabase));
    bool usedDuringTheRun = false;
    const QDeadlineTimer deadline(kRunLimitMs);
    while (Document().IsUpdating() && !deadline.hasExpired()) {
        QApplication::processEvents(QEventLoop::AllEvents, 20);
        // Once rows have been merged: the folder's totals still count its
        // items, and the list can be sorted, exported and printed.
        if (!usedDuringTheRun &&
            Document().GetItemList().GetStateList(folder::InProgress)->Size() > 0) {
            usedDuringTheRun = true;
            EXPECT_GE(Frame().SummaryBar()->Count().toInt(), kEarlierSales);
            List().OnColumnClick(kDescriptionColumn);
            services.modals.Then(ScriptedModalRunner::Reject());
            EXPECT_TRUE(Run(cmd::ExportItems));
            services.modals.Then(ScriptedModalRunner::Reject());
            EXPECT_TRUE(Run(cmd::FilePrintPreview));
        }
    }
    ASSERT_TRUE(WaitForTheRunToEnd());
    EXPECT_TRUE(usedDuringTheRun);
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
    EXPECT_EQ(Frame().MessageText(), "Update Complete!");
    EXPECT_FALSE(Frame().IsBusy());
    EXPECT_NE(Stored("eBay USA", "5000"), nullptr);
    EXPECT_NE(Stored("eBay UK", "7001"), nullptr);
    EXPECT_EQ(ListOf("eBay UK", "7000"), folder::AuctionEnded);
    EXPECT_EQ(ListOf("eBay UK", "7001"), folder::InProgress);

    // 3. A large folder: load all, sort, select, sort again, edit.
    Open(AllItemsOf(usa, folder::InProgress));
    Open(usaEnded);
    ASSERT_TRUE(List().IsPartiallyLoaded());
    List().OnColumnClick(kMaxBidColumn);
    const int folderSize = Model().rowCount();
    ASSERT_GT(folderSize, kEarlierSales);
    ASSERT_EQ(folderSize, Document().GetItemList().GetTotals().GetCount());
    Select({"5010"});
    List().OnColumnClick(kDescriptionColumn);
    EXPECT_EQ(Selected(), QStringList{"5010"});
    const QStringList sorted = Column(kAuctionIdColumn);
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& sheet) {
        auto* note = sheet.findChild<QLineEdit*>("itemNote");
        ASSERT_NE(note, nullptr);
        note->setText("Packed in the blue box");
    }));
    ASSERT_TRUE(Run(cmd::EditItems));
    Settle();
    EXPECT_EQ(Stored("eBay USA", "5010")->GetItemNote(), "Packed in the blue box");
    EXPECT_EQ(Column(kAuctionIdColumn), sorted);
    EXPECT_EQ(Selected(), QStringList{"5010"});
    EXPECT_EQ(Model().rowCount(), folderSize);
    EXPECT_FALSE(List().IsPartiallyLoaded());
    if (!gb::test::ScreenshotFolder().isEmpty()) {
        Frame().resize(1024, 700);
        List().scrollTo(List().currentIndex());
        Settle();
        gb::test::SaveScreenshot(Frame(), "main-window-after-the-day.png");
    }

    // The item's page opens in the desktop's browser; the list stays.
    services.shell.links.clear();
    ASSERT_TRUE(Run(cmd::ViewListing));
    ASSERT_EQ(services.shell.links.size(), 1u);
    EXPECT_NE(services.shell.links.front().find("5010"), std::string::npos);
    EXPECT_EQ(Column(kAuctionIdColumn), sorted);
    EXPECT_EQ(Selected(), QStringList{"5010"});

    // Both sheets and the fee editor, opened and closed untouched, change
    // nothing in the profile or the fee schedule.
    ASSERT_TRUE(Run(cmd::FileSave));
    const std::optional<std::string> profileBefore = gb::ReadWholeFile(profile);
    const std::filesystem::path fees = folder / "AucField.fee";
    const std::optional<std::string> feesBefore = gb::ReadWholeFile(fees);
    services.modals.Then(gb::test::ShowEveryPageThenOk());
    ASSERT_TRUE(Run(cmd::EditItems));
    Select({"1010", "1011"});
    services.modals.Then(gb::test::ShowEveryPageThenOk());
    ASSERT_TRUE(Run(cmd::BulkUpdate));
    gb::test::QueueUntouchedFeeEdits(services.modals, program->App().GetFeeSchedule());
    ASSERT_TRUE(Run(cmd::FeeSchedule));
    Settle();
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
    ASSERT_TRUE(Run(cmd::FileSave));
    EXPECT_EQ(gb::ReadWholeFile(profile), profileBefore);
    EXPECT_EQ(gb::ReadWholeFile(fees), feesBefore);

    // 4. The item commands, each checked in the profile.
    Select({"1001", "1002", "1003"});
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& sheet) {
        PageOf<gb::app::ui::CAutoShipPage>(sheet).findChild<QComboBox*>("weight")->setEditText(
            "2 lb");
    }));
    ASSERT_TRUE(Run(cmd::BulkUpdate));
    Settle();
    for (const std::string id : {"1001", "1002", "1003"}) {
        EXPECT_EQ(Stored("eBay USA", id)->GetWeight(), "2 lb") << id;
    }
    EXPECT_EQ(Stored("eBay USA", "1004")->GetWeight(), "");

    Select({"1004"});
    std::int32_t chosenStatus = 0;
    services.modals.Then(ScriptedModalRunner::Accept([&chosenStatus](QDialog& dialog) {
        auto& status = dynamic_cast<gb::app::ui::CStatusDlg&>(dialog);
        auto* choices = status.findChild<QComboBox*>("status");
        choices->setCurrentIndex(choices->count() - 1);
        chosenStatus = status.StatusId();
    }));
    ASSERT_TRUE(Run(cmd::SetStatus));
    Settle();
    EXPECT_EQ(Stored("eBay USA", "1004")->GetStatus(), chosenStatus);

    Select({"1005"});
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        ASSERT_TRUE(dynamic_cast<gb::app::ui::CMoveFolderDlg&>(dialog).Choose(folder::Archive));
    }));
    ASSERT_TRUE(Run(cmd::MoveItems));
    Settle();
    EXPECT_EQ(ListOf("eBay USA", "1005"), folder::Archive);

    Select({"5010"});
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& duplicate = dynamic_cast<gb::app::ui::CDuplicateDlg&>(dialog);
        duplicate.BuyerIdEdit()->setText("second_buyer");
    }));
    ASSERT_TRUE(Run(cmd::CreateDuplicate));
    Settle();
    EXPECT_EQ(ListOf("eBay USA", "5010-1"), folder::AuctionEnded);
    EXPECT_EQ(Stored("eBay USA", "5010-1")->GetBuyerId(), "second_buyer");

    Select({"1006"});
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    ASSERT_TRUE(Run(cmd::ArchiveItems));
    Select({"1007"});
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    ASSERT_TRUE(Run(cmd::DeleteItems));
    Settle();
    EXPECT_EQ(ListOf("eBay USA", "1006"), folder::Archive);
    EXPECT_EQ(ListOf("eBay USA", "1007"), folder::DeletedItems);
    EXPECT_FALSE(Column(kAuctionIdColumn).contains("1007"));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);

    // Two listed items deleted, then an update that the sites answer with
    // them while Deleted Items is being exported: the update brings them back
    // as new items, and the export writes only what is still deleted, and
    // says so.
    Select({"5002", "5004"});
    services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    ASSERT_TRUE(Run(cmd::DeleteItems));
    for (const CFolderNode* node : Document().GetFolders().GetChain()) {
        if (node->parentId == folder::DeletedItems) {
            Open(node->id);
            break;
        }
    }
    ASSERT_EQ(Model().rowCount(), 3);
    const std::filesystem::path deletedExport = folder / "deleted.csv";
    ASSERT_TRUE(Run(cmd::UpdateDatabase));
    services.modals
        .Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
            ASSERT_TRUE(WaitForTheRunToEnd());
            dialog.findChild<QLineEdit*>("target")->setText(
                QString::fromStdString(deletedExport.string()));
            dialog.findChild<QComboBox*>("type")->setCurrentIndex(0);
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ASSERT_TRUE(Run(cmd::ExportItems));
    Settle();
    const QStringList exportedLines =
        QString::fromStdString(gb::ReadWholeFile(deletedExport).value_or("")).split("\r\n");
    ASSERT_EQ(exportedLines.size(), 3) << exportedLines.join('|').toStdString();
    EXPECT_TRUE(exportedLines[1].startsWith("1007,")) << exportedLines[1].toStdString();
    EXPECT_EQ(services.modals.Ran().back().text,
              "Export Complete! Only 1 of the 3 items were exported: the others left the "
              "profile while the export dialog was open.");
    EXPECT_EQ(ListOf("eBay USA", "5002"), folder::AuctionEnded);
    EXPECT_EQ(ListOf("eBay USA", "5004"), folder::AuctionEnded);
    EXPECT_EQ(Column(kAuctionIdColumn), QStringList{"1007"});
    EXPECT_EQ(services.modals.StepsLeft(), 0u);

    // 5. Search all folders, a summary of a selection, a new column.
    List().Search().OnItemSearch();
    gb::app::ui::CFindDlg* search = List().Search().FindDialog();
    ASSERT_NE(search, nullptr);
    search->AllFoldersButton()->click();
    search->FieldBox()->setCurrentIndex(search->FieldBox()->findData(field::BuyerId));
    search->TextEdit()->setText("second_buyer");
    search->FindButton()->click();
    Settle();
    EXPECT_EQ(Document().GetSelectedFolderId(), folder::SearchResults);
    EXPECT_EQ(Column(kAuctionIdColumn), QStringList{"5010-1"});

    Open(usaEnded);
    List().selectAll();
    services.modals.Then(ScriptedModalRunner::Accept());
    ASSERT_TRUE(Run(cmd::InstantSummary));
    EXPECT_EQ(services.modals.Ran().back().className, "gb::app::ui::CSummaryDlg");

    const int columns = Model().columnCount();
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& edit = dynamic_cast<gb::app::ui::CColumnsDlg&>(dialog);
        edit.AvailableList()->setCurrentRow(0);
        edit.OnAdd();
    }));
    Tree().SetCurrentNodeId(usaEnded);
    Tree().OnEdit();
    Settle();
    EXPECT_EQ(Model().columnCount(), columns + 1);

    // 6. Report, Mail To, Copy, Export in all three types, Print Preview.
    Open(AllItemsOf(uk, folder::AuctionEnded));
    const int sold = Model().rowCount();
    ASSERT_GT(sold, 0);
    List().selectAll();
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& chooser) {
        auto* templates = chooser.findChild<QTreeWidget*>("templates");
        ASSERT_NE(templates, nullptr);
        ASSERT_GT(templates->topLevelItemCount(), 0);
        templates->setCurrentItem(templates->topLevelItem(0));
        chooser.findChild<QPushButton*>("select")->click();
    }));
    ASSERT_TRUE(Run(cmd::Report));
    ASSERT_FALSE(services.shell.links.empty()) << services.messages.shown.size();
    EXPECT_TRUE(QString::fromStdString(services.shell.links.back()).endsWith("AucRpt.htm"));
    // The report opened on the desktop; the list stays as it was.
    EXPECT_EQ(Frame().GetRightView()->Kind(), gb::app::ViewKind::Items);
    EXPECT_EQ(List().SelectedCount(), static_cast<std::size_t>(sold));
    services.shell.links.clear();
    services.modals.Then(ScriptedModalRunner::Accept());  // the hint on pasting the page
    ASSERT_TRUE(Run(cmd::MailTo));
    ASSERT_FALSE(services.shell.links.empty());
    EXPECT_TRUE(QString::fromStdString(services.shell.links.back()).startsWith("mailto:"));
    ASSERT_TRUE(Run(cmd::EditCopy));
    EXPECT_FALSE(QGuiApplication::clipboard()->text().isEmpty());

    ASSERT_TRUE(Run(cmd::FileSave));
    for (int type = 0; type < 3; ++type) {
        const std::filesystem::path exported = folder / ("export" + std::to_string(type) + ".txt");
        services.modals
            .Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
                dialog.findChild<QLineEdit*>("target")->setText(
                    QString::fromStdString(exported.string()));
                dialog.findChild<QComboBox*>("type")->setCurrentIndex(type);
            }))
            .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
        ASSERT_TRUE(Run(cmd::ExportItems));
        const std::filesystem::path byTool = folder / ("tool" + std::to_string(type) + ".txt");
        Tool({"export", QString::fromStdString(profile.string()),
              QString::number(Document().GetSelectedFolderId()), QString::number(type),
              QString::fromStdString(byTool.string()), "--locale", "1033"});
        // The type gives the exported file its extension.
        std::optional<std::string> written;
        for (const auto& entry : std::filesystem::directory_iterator(folder.Path())) {
            if (entry.path().stem() == exported.stem()) {
                written = gb::ReadWholeFile(entry.path());
            }
        }
        ASSERT_TRUE(written.has_value()) << type;
        EXPECT_EQ(gb::ReadWholeFile(byTool), written) << type;
    }

    // A folder without rows is refused by the tool as by the program.
    for (const CFolderNode* node : Document().GetFolders().GetChain()) {
        if (node->parentId == folder::ByStatus) {
            Tree().SetCurrentNodeId(node->id);
            break;
        }
    }
    Tree().OnNew();
    const std::int32_t emptyFolder = Tree().CurrentNodeId();
    ASSERT_TRUE(Run(cmd::FileSave));
    ASSERT_NE(emptyFolder, 0);
    int refused = 0;
    const std::filesystem::path nothing = folder / "nothing.txt";
    Tool({"export", QString::fromStdString(profile.string()), QString::number(emptyFolder), "0",
          QString::fromStdString(nothing.string())},
         &refused);
    EXPECT_NE(refused, 0);
    EXPECT_FALSE(std::filesystem::exists(nothing));

    // An unwritable report page stops only the report, which names it.
    Open(AllItemsOf(uk, folder::AuctionEnded));
    List().selectAll();
    const std::filesystem::path page = folder / "AucRpt.htm";
    std::filesystem::remove(page);
    std::filesystem::create_directory(page);
    services.messages.shown.clear();
    ASSERT_TRUE(Run(cmd::EditCopy));
    EXPECT_TRUE(services.messages.shown.empty()) << services.messages.shown.front();
    services.modals.Then(ScriptedModalRunner::Accept(
        [](QDialog& chooser) { chooser.findChild<QPushButton*>("select")->click(); }));
    ASSERT_TRUE(Run(cmd::Report));
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_NE(services.messages.shown.front().find("AucRpt.htm"), std::string::npos);
    services.messages.shown.clear();
    std::filesystem::remove(page);

    int pages = 0;
    services.modals.Then(ScriptedModalRunner::Accept([&pages](QDialog& dialog) {
        auto* preview = dialog.findChild<QPrintPreviewWidget*>();
        ASSERT_NE(preview, nullptr);
        preview->updatePreview();
        QApplication::processEvents();
        pages = preview->pageCount();
    }));
    ASSERT_TRUE(Run(cmd::FilePrintPreview));
    EXPECT_GE(pages, 1);
    EXPECT_EQ(services.modals.StepsLeft(), 0u);

    // 7. Another shop's profile whose open folder has the same id as this
    // one's, with other items in it: the list shows that profile's rows and
    // totals, and the commands reach its items. Back through the recent
    // profiles, the same for this one.
    ASSERT_TRUE(Run(cmd::FileSave));
    const std::int32_t shown = Document().GetSelectedFolderId();
    const std::filesystem::path secondShop = folder / "Second Shop.pro";
    {
        CAucDoc other;
        ASSERT_TRUE(other.OnOpenDocument(profile));
        other.GetItemList().RemoveAll();
        for (int i = 0; i < 3; ++i) {
            CAucItem lot;
            lot.SetSite("eBay UK");
            lot.SetSellerId("curios_uk");
            lot.SetAuctionId(std::to_string(9001 + i));
            lot.SetDescription("Second shop lot " + std::to_string(i));
            lot.SetFolderId(uk);
            lot.SetEndDate("3/" + std::to_string(1 + i) + "/2025 10:00:00");
            lot.SetMaxBid("7.00");
            lot.SetBuyerId("second_shop_buyer");
            other.GetItemList().AddItem(lot, folder::AuctionEnded);
        }
        ASSERT_TRUE(other.SelectFolder(shown));
        ASSERT_TRUE(other.OnSaveDocument(secondShop));
    }
    const auto inOrder = [](QStringList ids) {
        ids.sort();
        return ids;
    };
    const auto editNote = [this](const QString& id, const QString& note) {
        Select({id});
        services.modals.Then(ScriptedModalRunner::Accept(
            [note](QDialog& sheet) { sheet.findChild<QLineEdit*>("itemNote")->setText(note); }));
        ASSERT_TRUE(Run(cmd::EditItems));
        Settle();
    };
    const auto deleteItem = [this](const QString& id) {
        Select({id});
        services.modals.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
        ASSERT_TRUE(Run(cmd::DeleteItems));
        Settle();
    };
    const QStringList dayRows = Column(kAuctionIdColumn);
    services.files.openAnswer = secondShop;
    ASSERT_TRUE(Run(cmd::FileOpen));
    Settle();
    ASSERT_EQ(Document().GetPathName().filename(), secondShop.filename());
    ASSERT_EQ(Document().GetSelectedFolderId(), shown);
    EXPECT_EQ(inOrder(Column(kAuctionIdColumn)), (QStringList{"9001", "9002", "9003"}));
    EXPECT_EQ(inOrder(Column(kDescriptionColumn)),
              (QStringList{"Second shop lot 0", "Second shop lot 1", "Second shop lot 2"}));
    EXPECT_EQ(Frame().SummaryBar()->Count(), "3");
    deleteItem("9002");
    EXPECT_EQ(ListOf("eBay UK", "9002"), folder::DeletedItems);
    EXPECT_EQ(inOrder(Column(kAuctionIdColumn)), (QStringList{"9001", "9003"}));
    EXPECT_EQ(Frame().SummaryBar()->Count(), "2");
    editNote("9003", "Second shop's note");
    EXPECT_EQ(Stored("eBay UK", "9003")->GetItemNote(), "Second shop's note");

    const std::vector<std::filesystem::path>& recent = program->App().GetRecentFiles().Entries();
    const auto day = std::find_if(recent.begin(), recent.end(), [this](const auto& path) {
        return path.filename() == profile.filename();
    });
    ASSERT_NE(day, recent.end());
    ASSERT_TRUE(Run(cmd::FileRecent1 + static_cast<int>(day - recent.begin())));
    Settle();
    ASSERT_EQ(Document().GetPathName().filename(), profile.filename());
    ASSERT_EQ(Document().GetSelectedFolderId(), shown);
    EXPECT_EQ(inOrder(Column(kAuctionIdColumn)), inOrder(dayRows));
    EXPECT_EQ(Frame().SummaryBar()->Count(), QString::number(dayRows.size()));
    const QString kept = dayRows.front();
    const QString gone = dayRows.back();
    deleteItem(gone);
    EXPECT_EQ(ListOf("eBay UK", gone.toStdString()), folder::DeletedItems);
    EXPECT_EQ(Model().rowCount(), static_cast<int>(dayRows.size()) - 1);
    editNote(kept, "Wrapped twice");
    EXPECT_EQ(Stored("eBay UK", kept.toStdString())->GetItemNote(), "Wrapped twice");
    EXPECT_EQ(services.modals.StepsLeft(), 0u);

    // 8. Exit saves; the next start finds every change of the day.
    ASSERT_TRUE(Run(cmd::FileSave));
    const QString evening = DumpProfile();
    ASSERT_TRUE(evening.contains("5010-1")) << evening.left(400).toStdString();
    Run(cmd::AppExit);
    Settle();
    program.reset();
    Settle();
    Start({profile.string()});
    EXPECT_EQ(Document().GetPathName(), profile);
    EXPECT_EQ(DumpProfile(), evening);
    EXPECT_EQ(Stored("eBay USA", "5010")->GetItemNote(), "Packed in the blue box");
    EXPECT_EQ(ListOf("eBay USA", "1006"), folder::Archive);
}

}  // namespace
