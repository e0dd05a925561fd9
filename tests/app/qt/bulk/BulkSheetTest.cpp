// The bulk-update sheet on its real widgets: values typed on its pages land in
// every selected item, blank fields change nothing, a refused amount keeps the
// page open, and categories are picked from the profile's category tree.

#include <QtWidgets/QApplication>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLabel>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/dialogs/bulk/CAutoCatPage.h"
#include "app/dialogs/bulk/CAutoCostPage.h"
#include "app/dialogs/bulk/CAutoMiscPage.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/bulk/CAutoShipPage.h"
#include "app/dialogs/bulk/CAutoStatusPage.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemList.h"
#include "ui_CAutoCatPage.h"
#include "ui_CAutoCostPage.h"
#include "ui_CAutoMiscPage.h"
#include "ui_CAutoShipPage.h"
#include "ui_CAutoStatusPage.h"
#include "widgets/ScriptedModalRunner.h"

using namespace gb::itemdb;
using gb::app::ui::CAutoSheet;
using gb::widgets::ScriptedModalRunner;

namespace {

class BulkSheetTest : public ::testing::Test {
protected:
    void SetUp() override {
        FolderBlueprint::AddDefaultFolders(folders_);
        for (const char* id : {"1", "2", "3"}) {
            CAucItem item;
            item.SetSite("eBay USA");
            item.SetAuctionId(id);
            item.SetItemCost("1.00");
            item.SetRating("5");
            item.SetBuyerId("buyer");
            items_.AddItem(item, folder::AuctionEnded);
        }
        items_.SetFilter(CItemFilter());
        for (bool more = items_.MoveFirst(); more; more = items_.MoveNext()) {
            selection_.push_back(items_.GetCurrentId());
        }
        ASSERT_EQ(selection_.size(), 3u);
    }

    std::optional<gb::app::BulkUpdateResult> Run() {
        return gb::app::ui::BulkUpdate(runner_, nullptr, items_, selection_, fees_,
                                       {folders_, {}, {}, false});
    }

    // Shows a page of the sheet being run and gives it.
    template <typename Page>
    static Page& Show(QDialog& dialog, int index) {
        auto& sheet = static_cast<CAutoSheet&>(dialog);
        EXPECT_TRUE(sheet.SetActivePage(index));
        return static_cast<Page&>(*sheet.Page(index));
    }

    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    CFolderTree folders_;
    CFeeSchedule fees_;
    CItemList items_;
    std::vector<CItemList::ItemId> selection_;
};

TEST_F(BulkSheetTest, TypedValuesReachEverySelectedItemAndBlankOnesChangeNothing) {
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Bulk Item Update");
        Show<gb::app::ui::CAutoCostPage>(dialog, 2).Form().finalFee->setEditText("2.50 ");
        Show<gb::app::ui::CAutoShipPage>(dialog, 4).Form().weight->setEditText("3 lb");
    }));
    ASSERT_TRUE(Run().has_value());
    for (const auto& position : selection_) {
        const CAucItem& item = *items_.GetItemAt(position);
        std::string text;
        item.GetFinalFee(text);
        EXPECT_EQ(text, "$2.50");
        EXPECT_EQ(item.GetWeight(), "3 lb");
        item.GetItemCost(text);
        EXPECT_EQ(text, "$1.00");
        item.GetRating(text);
        EXPECT_EQ(text, "5");  // the empty Rating edit leaves it alone
        EXPECT_EQ(item.GetBuyerId(), "buyer");
    }
}

TEST_F(BulkSheetTest, AnAmountThatDoesNotReadKeepsThePageOpen) {
    runner_
        .Then(ScriptedModalRunner::Accept([this](QDialog& dialog) {
            auto& cost = Show<gb::app::ui::CAutoCostPage>(dialog, 2);
            cost.Form().itemCost->setEditText("abc");
            static_cast<CAutoSheet&>(dialog).accept();  // refused: the message box
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(runner_.Ran().back().text, "Invalid Item Cost");
            cost.Form().itemCost->setEditText("");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ASSERT_TRUE(Run().has_value());
}

TEST_F(BulkSheetTest, TheItemPageSuggestsTheStatusAfterTheCurrentOne) {
    runner_.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        auto& page = Show<gb::app::ui::CAutoStatusPage>(dialog, 0);
        // "Needs Attention" is the items' status: the first status folder follows.
        EXPECT_EQ(page.Form().status->currentIndex(), 1);
        EXPECT_FALSE(page.Form().status->isEnabled());
    }));
    EXPECT_FALSE(Run().has_value());
}

TEST_F(BulkSheetTest, TheCategoriesPageShowsTheTreeAndAPickedCategoryReachesEveryItem) {
    // "By Category" holds the heading "Home" first, which holds "Lamps".
    const std::int32_t home =
        folders_.AddNode(folder::ByCategory, folder::ByCategory, folder::ByCategory);
    folders_.SetCurName("Home");
    folders_.SetCurHeading(1);
    const std::int32_t lamps = folders_.AddNode(folder::ByCategory, home, home);
    folders_.SetCurName("Lamps");
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto& page = Show<gb::app::ui::CAutoCatPage>(dialog, 1);
        QTreeWidget& tree = *page.Form().tree;
        EXPECT_FALSE(tree.isVisible());
        page.Form().updateCategories->setChecked(true);
        EXPECT_TRUE(tree.isVisible());
        ASSERT_EQ(tree.topLevelItemCount(), 1);
        QTreeWidgetItem* byCategory = tree.topLevelItem(0);
        EXPECT_TRUE(byCategory->isExpanded());
        ASSERT_GE(byCategory->childCount(), 2);  // "Home" and the sample category
        QTreeWidgetItem* homeRow = byCategory->child(0);
        EXPECT_EQ(homeRow->text(0), "Home");
        ASSERT_EQ(homeRow->childCount(), 1);
        QTreeWidgetItem* lampsRow = homeRow->child(0);
        EXPECT_EQ(lampsRow->text(0), "Lamps");
        Q_EMIT tree.itemDoubleClicked(homeRow, 0);  // a heading is no category
        Q_EMIT tree.itemDoubleClicked(lampsRow, 0);
        EXPECT_EQ(page.Form().count->text(), "Categories selected: 1");
    }));
    ASSERT_TRUE(Run().has_value());
    for (const auto& position : selection_) {
        const CAucItem& item = *items_.GetItemAt(position);
        EXPECT_TRUE(item.HasCategory(lamps));
        EXPECT_FALSE(item.HasCategory(home));
    }
}

TEST_F(BulkSheetTest, AnAddressIsStoredWithCrLfBetweenItsLines) {
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        Show<gb::app::ui::CAutoShipPage>(dialog, 4).Form().address->setPlainText(
            "Ann Lee\n1 Main St\nSpringfield\n");
    }));
    ASSERT_TRUE(Run().has_value());
    for (const auto& position : selection_) {
        EXPECT_EQ(items_.GetItemAt(position)->GetShippingAddress(),
                  "Ann Lee\r\n1 Main St\r\nSpringfield");
    }
}

TEST_F(BulkSheetTest, EveryDropDownBoxTakesTwentyCharacters) {
    runner_.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        auto& sheet = static_cast<CAutoSheet&>(dialog);
        int boxes = 0;
        for (int page = 0; page < sheet.PageCount(); ++page) {
            ASSERT_TRUE(sheet.SetActivePage(page));
            for (QComboBox* combo : sheet.Page(page)->findChildren<QComboBox*>()) {
                if (combo->isEditable()) {
                    ++boxes;
                    EXPECT_EQ(combo->lineEdit()->maxLength(), 20)
                        << combo->objectName().toStdString();
                }
            }
        }
        EXPECT_EQ(boxes, 14);
    }));
    EXPECT_FALSE(Run().has_value());
}

// The sheet keeps one size from page to page; the labels show a single
// ampersand; the category tree shows eight rows at least; the Misc Fees
// lists give 60 per cent of their width to the names.
TEST_F(BulkSheetTest, TheLayoutHoldsFromPageToPage) {
    for (int i = 0; i < 12; ++i) {
        folders_.AddNode(folder::ByCategory, folder::ByCategory, folder::ByCategory);
        folders_.SetCurName("Category " + std::to_string(i));
    }
    runner_.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        auto& sheet = static_cast<CAutoSheet&>(dialog);
        QApplication::processEvents();
        const QSize first = dialog.size();
        for (int page = 0; page < sheet.PageCount(); ++page) {
            ASSERT_TRUE(sheet.SetActivePage(page));
            QApplication::processEvents();
            EXPECT_EQ(dialog.size(), first) << "page " << page;
        }
        for (QLabel* label : dialog.findChildren<QLabel*>()) {
            EXPECT_FALSE(label->text().contains("&&")) << label->text().toStdString();
        }
        EXPECT_EQ(Show<gb::app::ui::CAutoCostPage>(dialog, 2).Form().shChargeLabel->text(),
                  "S&H  Charge:");

        auto& categories = Show<gb::app::ui::CAutoCatPage>(dialog, 1);
        categories.Form().updateCategories->setChecked(true);
        QApplication::processEvents();
        QTreeWidget& tree = *categories.Form().tree;
        EXPECT_GE(tree.viewport()->height(), 8 * tree.sizeHintForRow(0));
        EXPECT_EQ(dialog.size(), first);

        auto& misc = Show<gb::app::ui::CAutoMiscPage>(dialog, 3);
        misc.Form().chargesItemize->setChecked(true);
        QApplication::processEvents();
        QTreeWidget& charges = *misc.Form().chargesList;
        EXPECT_EQ(charges.columnWidth(0), charges.viewport()->width() * 60 / 100);
    }));
    EXPECT_FALSE(Run().has_value());
}

TEST_F(BulkSheetTest, NoSelectionIsAMessage) {
    selection_.clear();
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    EXPECT_FALSE(Run().has_value());
    EXPECT_EQ(runner_.Ran().back().text, "You must select at least one item.");
}

}  // namespace
