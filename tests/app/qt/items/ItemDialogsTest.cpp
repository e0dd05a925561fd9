// The item commands' dialogs on their own: the folders "Move To Folder"
// offers and when it lets OK be pressed, and the search dialog's scope and
// lifetime. With GB_SCREENSHOT_DIR set, pictures of the three dialogs for the
// documentation, e.g.
//   GB_SCREENSHOT_DIR=docs xvfb-run -a app_qt_tests --gtest_filter='ItemDialogs.*'

#include <QtCore/QPointer>
#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QDateTimeEdit>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QRadioButton>
#include <QtWidgets/QTimeEdit>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include "Screenshots.h"
#include "app/dialogs/items/CDuplicateDlg.h"
#include "app/dialogs/items/CFindDlg.h"
#include "app/dialogs/items/CMoveFolderDlg.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::app::ui::CDuplicateDlg;
using gb::app::ui::CFindDlg;
using gb::app::ui::CMoveFolderDlg;
using gb::test::SaveScreenshot;
using gb::test::ScreenshotFolder;

namespace {

// A profile with two sellers' folders.
class ItemDialogs : public ::testing::Test {
protected:
    ItemDialogs() {
        document.OnNewDocument();
        document.SetProfileName("Demo");
        CSellerList& sellers = document.GetSellerList();
        sellers.AddSeller("joe_seller", "eBay USA", "{6E1E0C2A-3D4B-4B8E-9C1F-2A7B5D3E9F10}");
        sellers.AddSeller("ann_sells", "eBay UK", "{6E1E0C2A-3D4B-4B8E-9C1F-2A7B5D3E9F11}");
        document.EnsureSellerFolders();
    }
    CAucDoc document;
    gb::widgets::ScriptedModalRunner runner{[](const std::string& f) { ADD_FAILURE() << f; }};
};

TEST_F(ItemDialogs, MoveToFolderOffersTheSellersDeletedItemsAndArchive) {
    CFolderTree& tree = document.EditFolders();
    const std::int32_t shown = tree.GetCurId();
    CMoveFolderDlg dialog(gb::app::MoveFolderChoicesOf(tree), nullptr);
    EXPECT_EQ(tree.GetCurId(), shown);

    QTreeWidgetItem* root = dialog.Tree()->topLevelItem(0);
    ASSERT_NE(root, nullptr);
    EXPECT_TRUE(root->isExpanded());
    QStringList names;
    for (int i = 0; i < root->childCount(); ++i) {
        names << root->child(i)->text(0);
    }
    ASSERT_EQ(names.size(), 4);
    // A seller's folder is added as the root's first child.
    EXPECT_TRUE(names[0].startsWith("ann_sells")) << names[0].toStdString();
    EXPECT_TRUE(names[1].startsWith("joe_seller")) << names[1].toStdString();
    EXPECT_EQ(names.mid(2), (QStringList{"Deleted Items", "Archive"}));

    QPushButton* ok = dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    EXPECT_FALSE(ok->isEnabled());
    ASSERT_TRUE(dialog.Choose(folder::Root));
    EXPECT_FALSE(ok->isEnabled());
    ASSERT_TRUE(dialog.Choose(folder::Archive));
    EXPECT_TRUE(ok->isEnabled());
    EXPECT_EQ(dialog.ChosenFolder(), folder::Archive);
}

TEST_F(ItemDialogs, TheSearchDialogNamesItsButtonByScopeAndGoesAwayOnCancel) {
    std::vector<gb::app::ui::SearchRequest> asked;
    QPointer<CFindDlg> dialog = new CFindDlg(
        [&asked](const gb::app::ui::SearchRequest& request) { asked.push_back(request); }, runner);
    dialog->show();
    EXPECT_EQ(dialog->FieldBox()->currentText(), "Description");
    EXPECT_EQ(dialog->FieldBox()->count(), 13);
    dialog->AllFoldersButton()->click();
    EXPECT_EQ(dialog->FindButton()->text(), "&Find");
    dialog->TextEdit()->setText("  smith  ");
    dialog->FindButton()->click();
    dialog->CurrentFolderButton()->click();
    EXPECT_EQ(dialog->FindButton()->text(), "&Find Next");
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0].scope, gb::app::SearchScope::AllFolders);
    EXPECT_EQ(asked[0].fieldId, 501);
    EXPECT_EQ(asked[0].text, "smith");
    EXPECT_TRUE(dialog->isVisible());

    dialog->reject();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ItemDialogs, TheDuplicatesDatesAndTimesShareTheUsersFormat) {
    gb::app::DuplicateEntries entries;
    entries.start = gb::DateTime::FromCivil(2026, 12, 13, 19, 0);
    entries.endDate = gb::DateTime::FromCivil(2026, 12, 20);
    entries.endTime = gb::DateTime::FromCivil(1899, 12, 30, 15, 42, 31);
    CDuplicateDlg duplicate(
        entries, [](const gb::app::DuplicateEntries&) { return std::optional<std::string>(); },
        runner);
    // As the program writes dates under US English everywhere else.
    EXPECT_EQ(duplicate.StartEdit()->text(), "12/13/2026 7:00:00 PM");
    EXPECT_EQ(duplicate.EndDateEdit()->text(), "12/20/2026");
    EXPECT_EQ(duplicate.EndTimeEdit()->text(), "3:42:31 PM");
}

TEST_F(ItemDialogs, Screenshots) {
    if (ScreenshotFolder().isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    CMoveFolderDlg move(gb::app::MoveFolderChoicesOf(document.EditFolders()), nullptr);
    move.Choose(folder::Archive);
    SaveScreenshot(move, "move-folder-dialog.png");

    auto* find = new CFindDlg([](const gb::app::ui::SearchRequest&) {}, runner);
    find->TextEdit()->setText("smith");
    SaveScreenshot(*find, "item-search-dialog.png");
    find->close();

    gb::app::DuplicateEntries entries;
    entries.auctionId = "3057742190-1";
    entries.description = "Antique brass compass with case, working order";
    entries.buyerId = "ann_buys";
    entries.rating = "42";
    entries.email = "ann@example.test";
    entries.start = gb::DateTime::FromCivil(2004, 3, 1, 10, 0);
    entries.endDate = gb::DateTime::FromCivil(2004, 3, 8);
    entries.endTime = gb::DateTime::FromCivil(1899, 12, 30, 10, 0);
    CDuplicateDlg duplicate(
        entries, [](const gb::app::DuplicateEntries&) { return std::optional<std::string>(); },
        runner);
    SaveScreenshot(duplicate, "duplicate-item-dialog.png");
}

}  // namespace
