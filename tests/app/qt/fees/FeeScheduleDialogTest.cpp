// The fee-schedule dialogs on their real widgets: header clicks, an edit that
// is saved at once and read back equal, a failed save that is reported, and
// the order kept on close.

#include <QtTest/QTest>
#include <QtWidgets/QApplication>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>
#include <QtWidgets/QPushButton>
#include <QtWidgets/QTreeWidget>

#include <gtest/gtest.h>

#include <fstream>

#include "app/dialogs/fees/CCalcEditDlg.h"
#include "app/dialogs/fees/CFeeSchdDlg.h"
#include "itemdb/FeeSchedule.h"
#include "tests/support/TempFolder.h"
#include "ui_CCalcEditDlg.h"
#include "ui_CFeeSchdDlg.h"
#include "widgets/ScriptedModalRunner.h"

using gb::test::TempFolder;

using namespace gb::itemdb;
using gb::app::ui::CCalcEditDlg;
using gb::app::ui::CFeeSchdDlg;
using gb::widgets::ScriptedModalRunner;

namespace {

class FeeScheduleDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        Define(0, fee_type::SellerFee, "Gallery", "b", "0.35");
        Define(1, fee_type::Charge, "Handling", "a", "1.00");
        Define(2, fee_type::TransactionFee, "PayPal", "c", "0.30");
    }
    void Define(int entry, std::int32_t type, const char* name, const char* description,
                const char* base) {
        schedule_.SetCurrent(entry);
        schedule_.SetType(type);
        schedule_.SetName(name);
        schedule_.SetDescription(description);
        schedule_.SetBaseText(base);
        schedule_.SetActive(true);
    }
    // The schedule's file in the test's folder.
    void SaveTo(const std::filesystem::path& path) {
        std::ofstream(path).put('x');
        ASSERT_FALSE(schedule_.Load(path));  // stores the path; the entries stay
        for (int i = 0; i < 3; ++i) {
            ASSERT_TRUE(schedule_.GetEntry(i).IsActive());
        }
    }
    static void SelectEntry(CFeeSchdDlg& dialog, int entry) {
        QTreeWidget& list = *dialog.Form().list;
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            if (list.topLevelItem(row)->data(0, Qt::UserRole).toInt() == entry) {
                list.setCurrentItem(list.topLevelItem(row));
            }
        }
    }

    ScriptedModalRunner runner_{[](const std::string& failure) { ADD_FAILURE() << failure; }};
    TempFolder folder_;
    CFeeSchedule schedule_;
};

TEST_F(FeeScheduleDialogTest, TwoHeaderClicksReverseTheOrder) {
    CFeeSchdDlg dialog(runner_, schedule_, {});
    QHeaderView& header = *dialog.Form().list->header();
    Q_EMIT header.sectionClicked(1);
    const std::vector<int> once = dialog.Rows();
    Q_EMIT header.sectionClicked(1);
    const std::vector<int> twice = dialog.Rows();
    ASSERT_EQ(once.size(), 32u);
    // The first row ("Gallery") sorts after the last ("Available"): ascending.
    EXPECT_EQ(schedule_.GetEntry(once.back()).GetName(), "PayPal");
    EXPECT_EQ(schedule_.GetEntry(twice.front()).GetName(), "PayPal");
    EXPECT_EQ(dialog.Form().list->topLevelItem(0)->text(1),
              QString::fromStdString(schedule_.GetEntry(twice.front()).GetName()));
}

// Long names and descriptions, even in the last rows, leave the amounts in
// sight.
TEST_F(FeeScheduleDialogTest, TheAmountsStayInSightBesideLongDescriptions) {
    Define(31, fee_type::SellerFee, "Final Value Fee Over 50",
           "Charged on the part of the price "
           "over fifty, in tiers",
           "1.25");
    CFeeSchdDlg dialog(runner_, schedule_, {});
    dialog.show();
    QApplication::processEvents();
    QTreeWidget& list = *dialog.Form().list;
    EXPECT_LE(list.header()->length(), list.viewport()->width());
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        for (int column = 1; column < list.columnCount(); ++column) {
            EXPECT_LE(list.fontMetrics().horizontalAdvance(list.topLevelItem(row)->text(column)),
                      list.columnWidth(column))
                << row << ", " << column;
        }
    }
}

TEST_F(FeeScheduleDialogTest, AnEditIsSavedAtOnceAndReadsBackEqual) {
    SaveTo(folder_ / "AucField.fee");
    CFeeSchdDlg dialog(runner_, schedule_, {"PayPal", "Card"});
    SelectEntry(dialog, 1);
    runner_.Then(ScriptedModalRunner::Accept([](QDialog& editor) {
        auto& form = static_cast<CCalcEditDlg&>(editor).Form();
        EXPECT_EQ(form.name->text(), "Handling");
        form.name->setText("Packing");
        form.base->setText("2.00");
    }));
    dialog.Form().edit->click();

    EXPECT_EQ(schedule_.GetEntry(1).GetName(), "Packing");
    CFeeSchedule reloaded;
    ASSERT_TRUE(reloaded.Load(folder_ / "AucField.fee"));
    for (int i = 0; i < CFeeSchedule::kEntryCount; ++i) {
        EXPECT_EQ(reloaded.GetEntry(i), schedule_.GetEntry(i)) << "entry " << i;
    }
}

TEST_F(FeeScheduleDialogTest, AScheduleThatCannotBeSavedIsReportedAndTheEditKept) {
    SaveTo(folder_ / "missing" / "AucField.fee");
    CFeeSchdDlg dialog(runner_, schedule_, {});
    SelectEntry(dialog, 1);
    runner_
        .Then(ScriptedModalRunner::Accept([](QDialog& editor) {
            static_cast<CCalcEditDlg&>(editor).Form().description->setText("new");
        }))
        .Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    dialog.Form().edit->click();
    EXPECT_TRUE(runner_.Ran().back().text.contains("could not be saved"));
    EXPECT_EQ(schedule_.GetEntry(1).GetDescription(), "new");
}

TEST_F(FeeScheduleDialogTest, ClosingRenumbersByTypeThenDescription) {
    CFeeSchdDlg dialog(runner_, schedule_, {});
    dialog.Form().close->click();
    EXPECT_EQ(schedule_.GetEntry(1).GetOrder(), 0);  // the charge
    EXPECT_EQ(schedule_.GetEntry(0).GetOrder(), 1);  // the seller fee
    EXPECT_EQ(schedule_.GetEntry(2).GetOrder(), 2);  // the transaction fee
}

TEST_F(FeeScheduleDialogTest, TheEditorAsksItsQuestionsAndStaysOpenOnYes) {
    schedule_.SetCurrent(1);
    CCalcEditDlg editor(runner_, schedule_, {});
    auto& form = editor.Form();
    form.calculation->setCurrentIndex(1);
    EXPECT_TRUE(form.fields->isVisible() || !editor.isVisible());
    form.factor->setText("0");
    form.fields->item(0)->setSelected(true);
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Yes));
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Rejected);
    EXPECT_TRUE(runner_.Ran().back().text.startsWith("You might want to change the value"));
}

// The factor shows the five decimals the schedule keeps and a name longer
// than the typing limit shows whole; an untouched OK keeps both.
TEST_F(FeeScheduleDialogTest, TheEditorShowsLongFactorsAndNamesWhole) {
    schedule_.SetCurrent(0);
    schedule_.SetCurrencySymbol("");  // kept by display-only entries alone
    const std::string name = "Gallery picture and subtitle, both";
    schedule_.SetName(name);
    schedule_.SetFactor(149.87654f);
    schedule_.AddField(36);
    const CFeeEntry before = schedule_.GetEntry(0);
    CCalcEditDlg editor(runner_, schedule_, {});
    EXPECT_EQ(editor.Form().factor->text(), "149.87654");
    EXPECT_EQ(editor.Form().name->text().toStdString(), name);
    editor.Form().name->end(false);
    QTest::keyClicks(editor.Form().name, "x");
    EXPECT_EQ(editor.Form().name->text().toStdString(), name);
    editor.accept();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(editor.Schedule().GetEntry(0), before);
}

// A transaction fee named after a method the list no longer holds keeps its
// name, active or not.
TEST_F(FeeScheduleDialogTest, AMethodNoLongerListedKeepsItsEntrysName) {
    for (const bool active : {true, false}) {
        schedule_.SetCurrent(2);
        schedule_.SetCurrencySymbol("");
        schedule_.SetActive(active);
        CCalcEditDlg editor(runner_, schedule_, {"Cash", "Check"});
        EXPECT_EQ(editor.Form().method->currentText(), "PayPal");
        editor.accept();
        EXPECT_EQ(editor.result(), QDialog::Accepted) << active;
        EXPECT_EQ(editor.Schedule().GetEntry(2).GetName(), "PayPal") << active;
        EXPECT_EQ(editor.Schedule().GetEntry(2), schedule_.GetEntry(2)) << active;
    }
}

}  // namespace
