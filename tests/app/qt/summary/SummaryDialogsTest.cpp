// The status, summary and calendar dialogs opened from their commands in the
// real main window: the Instant Summary shows a known folder's figures for
// the selection and for the folder, Set Status gives the selected items the
// chosen status, and the calendar opens on today by the program's clock.

#include <QtCore/QItemSelectionModel>
#include <QtWidgets/QCalendarWidget>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QGroupBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QRadioButton>

#include <initializer_list>

#include "FrameFixture.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/calendar/CCalendarDlg.h"
#include "app/dialogs/status/CStatusDlg.h"
#include "app/dialogs/summary/CSummaryDlg.h"
#include "itemdb/FolderKind.h"
#include "platform/Clock.h"
#include "tests/app/summary/KnownItems.h"
#include "ui_CCalendarDlg.h"
#include "ui_CStatusDlg.h"
#include "ui_CSummaryDlg.h"
#include "widgets/ScriptedModalRunner.h"

using gb::widgets::ScriptedModalRunner;
using namespace gb::itemdb;
namespace cmd = gb::app::cmd;

namespace {

class SummaryDialogsTest : public FrameFixture {
protected:
    void SetUp() override {
        const std::int32_t seller = test_profile::Prepare(document);
        for (CAucItem item : known_items::Folder()) {
            item.SetSellerId(test_profile::kSeller);
            item.SetFolderId(seller);
            document.GetItemList().AddItem(item, folder::AuctionEnded);
        }
        ended = test_profile::AllItemsFolder(document, seller, folder::AuctionEnded);
        OpenWindow();
        Open(ended);
        ASSERT_NE(List(), nullptr);
        ASSERT_EQ(List()->Model().rowCount(), 3);
    }

    // Selects the rows of these auction IDs, as clicks would.
    void Select(std::initializer_list<const char*> auctionIds) {
        QItemSelection selection;
        const auto& model = List()->Model();
        for (int row = 0; row < model.rowCount(); ++row) {
            for (const char* id : auctionIds) {
                if (model.CellText(row, 1) == id) {
                    selection.select(model.index(row, 0), model.index(row, 0));
                }
            }
        }
        List()->selectionModel()->select(
            selection, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        ASSERT_EQ(List()->SelectedCount(), auctionIds.size());
    }

    static gb::app::ui::Ui::CSummaryDlg& SummaryForm(QDialog& dialog) {
        return dynamic_cast<gb::app::ui::CSummaryDlg&>(dialog).Form();
    }
    static gb::app::ui::Ui::CStatusDlg& StatusForm(QDialog& dialog) {
        return dynamic_cast<gb::app::ui::CStatusDlg&>(dialog).Form();
    }
    std::int32_t StatusOf(const char* auctionId) {
        CItemList::ListPos position;
        EXPECT_TRUE(document.GetItemList().FindItem("eBay USA", auctionId, &position));
        return document.GetItemList().GetItem(position)->GetStatus();
    }

    std::int32_t ended = 0;
};

TEST_F(SummaryDialogsTest, TheSummaryOfASelectionSwitchesToTheWholeFolder) {
    Select({"1", "3"});
    services.modals.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Instant Summary");
        auto& form = SummaryForm(dialog);
        EXPECT_TRUE(form.selectedItems->isChecked());
        EXPECT_EQ(form.totalsGroup->title(), "Selected Items");
        EXPECT_EQ(form.bidsCount->text(), "1");
        EXPECT_EQ(form.noBidsCount->text(), "1");
        EXPECT_EQ(form.allItemCost->text(), "$17.00");
        EXPECT_EQ(form.otherCharges->text(), "$5.00");
        EXPECT_EQ(form.totalInvoiced->text(), "$60.00");

        form.currentFolder->click();
        EXPECT_TRUE(form.currentFolder->isChecked());
        EXPECT_FALSE(form.selectedItems->isChecked());
        EXPECT_EQ(form.totalsGroup->title(), "All Items");
        const std::pair<QLineEdit*, const char*> expected[] = {
            {form.bidsCount, "2"},          {form.bidsItemCost, "$15.00"},
            {form.bidsMinBid, "$3.00"},     {form.noBidsCount, "1"},
            {form.noBidsItemCost, "$7.00"}, {form.noBidsMinBid, "$9.99"},
            {form.allCount, "3"},           {form.allItemCost, "$22.00"},
            {form.allMinBid, "$12.99"},     {form.maxBids, "$70.00"},
            {form.shCharges, "$12.00"},     {form.otherCharges, "$5.00"},
            {form.totalInvoiced, "$84.00"}, {form.received, "$84.00"},
            {form.profit, "$50.45"},        {form.itemCost, "$15.00"},
            {form.totalShipping, "$10.50"}, {form.insertionFees, "$1.25"},
            {form.finalFees, "$3.50"},      {form.otherFees, "$0.65"},
            {form.transFees, "$2.65"},      {form.totalExpense, "$33.55"},
        };
        for (const auto& [edit, text] : expected) {
            EXPECT_EQ(edit->text(), text) << edit->objectName().toStdString();
            EXPECT_TRUE(edit->isReadOnly());
        }
    }));
    EXPECT_TRUE(frame->ExecuteCommand(cmd::InstantSummary));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

TEST_F(SummaryDialogsTest, TheSummaryOfOneSelectedItemOpensOnTheFolder) {
    Select({"2"});
    services.modals.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        auto& form = SummaryForm(dialog);
        EXPECT_TRUE(form.currentFolder->isChecked());
        EXPECT_EQ(form.totalsGroup->title(), "All Items");
        EXPECT_EQ(form.allCount->text(), "3");
    }));
    EXPECT_TRUE(frame->ExecuteCommand(cmd::InstantSummary));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

TEST_F(SummaryDialogsTest, SetStatusProposesTheNextStatusAndTheLastOneStays) {
    EXPECT_FALSE(frame->QueryCommand(cmd::SetStatus).enabled);  // nothing selected
    Select({"1", "3"});
    ASSERT_TRUE(frame->QueryCommand(cmd::SetStatus).enabled);
    // The items need attention: the profile's one status folder follows.
    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Set Item Status");
        auto& form = StatusForm(dialog);
        ASSERT_EQ(form.status->count(), 2);
        EXPECT_EQ(form.status->itemText(0), "Needs Attention");
        EXPECT_EQ(form.status->currentIndex(), 1);
    }));
    EXPECT_TRUE(frame->ExecuteCommand(cmd::SetStatus));
    const std::int32_t sample = StatusOf("1");
    EXPECT_GT(sample, folder::FirstUserFolder);
    EXPECT_EQ(StatusOf("3"), sample);
    EXPECT_EQ(StatusOf("2"), folder::NeedsAttention);
    // The list shows the same folder again, with the new statuses.
    EXPECT_EQ(document.GetSelectedFolderId(), ended);
    EXPECT_EQ(List()->Model().rowCount(), 3);
    EXPECT_TRUE(document.IsModified());

    // The status is now the last in the list: nothing is proposed, and OK
    // keeps it.
    Select({"1"});
    services.modals.Then(ScriptedModalRunner::Accept(
        [](QDialog& dialog) { EXPECT_EQ(StatusForm(dialog).status->currentIndex(), -1); }));
    EXPECT_TRUE(frame->ExecuteCommand(cmd::SetStatus));
    EXPECT_EQ(StatusOf("1"), sample);
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

TEST_F(SummaryDialogsTest, TheCalendarOpensOnTodayByTheProgramsClock) {
    const gb::FixedClock clock(gb::DateTime::FromCivil(2004, 3, 15, 9, 30));
    const gb::ScopedClock installed(clock);
    ASSERT_TRUE(frame->QueryCommand(cmd::ShowCalendar).enabled);
    services.modals.Then(ScriptedModalRunner::Reject([](QDialog& dialog) {
        EXPECT_EQ(dialog.windowTitle(), "Monthly Calendar");
        const auto& calendar = *dynamic_cast<gb::app::ui::CCalendarDlg&>(dialog).Form().calendar;
        EXPECT_EQ(calendar.selectedDate(), QDate(2004, 3, 15));
        EXPECT_EQ(calendar.monthShown(), 3);
        EXPECT_EQ(calendar.yearShown(), 2004);
        // The user's locale (US English here) names the months and the days.
        EXPECT_EQ(calendar.locale().name(), "en_US");
        EXPECT_EQ(calendar.firstDayOfWeek(), Qt::Sunday);
    }));
    EXPECT_TRUE(frame->ExecuteCommand(cmd::ShowCalendar));
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

// Pictures of the three dialogs for the documentation, opened from their
// commands: written only when GB_SCREENSHOT_DIR names a folder.
TEST_F(SummaryDialogsTest, Screenshots) {
    const QString pictures = qEnvironmentVariable("GB_SCREENSHOT_DIR");
    if (pictures.isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    const auto save = [pictures](const char* name) {
        return [pictures, name](QDialog& dialog) {
            EXPECT_TRUE(dialog.grab().save(pictures + "/" + name));
        };
    };
    Select({"1", "2", "3"});
    services.modals.Then(ScriptedModalRunner::Reject(save("instant-summary-dialog.png")))
        .Then(ScriptedModalRunner::Reject(save("set-item-status-dialog.png")))
        .Then(ScriptedModalRunner::Reject(save("monthly-calendar-dialog.png")));
    frame->ExecuteCommand(cmd::InstantSummary);
    frame->ExecuteCommand(cmd::SetStatus);
    frame->ExecuteCommand(cmd::ShowCalendar);
    EXPECT_EQ(services.modals.StepsLeft(), 0u);
}

}  // namespace
