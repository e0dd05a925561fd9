// "Customize Drop Down Lists" on real widgets: the fields offered, adding,
// editing, deleting and moving values, and what "Close" stores.

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QListWidget>

#include <gtest/gtest.h>

#include "app/core/AppSettings.h"
#include "app/core/MachineProfile.h"
#include "app/dialogs/combos/CComboListDlg.h"
#include "app/dialogs/combos/CListValueDlg.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"
#include "widgets/ScriptedModalRunner.h"

using gb::app::ui::CComboListDlg;
using gb::app::ui::CListValueDlg;
using gb::widgets::ScriptedModalRunner;

namespace {

ScriptedModalRunner::Step Enter(QString text) {
    return ScriptedModalRunner::Accept([text](QDialog& dialog) {
        dynamic_cast<CListValueDlg&>(dialog).ValueEdit()->setText(text);
    });
}

class ComboListDialogTest : public ::testing::Test {
protected:
    std::string Stored(std::string_view name) const {
        return machine.GetString(gb::app::SectionKey(gb::app::section::Combos), name, "missing");
    }
    void Choose(CComboListDlg& dialog, const QString& field) {
        dialog.FieldBox()->setCurrentIndex(dialog.FieldBox()->findText(field));
    }

    gb::test::TempFolder folder;
    gb::Settings machine{folder / "machine.settings"};
    gb::app::MachineProfile profile{machine};
    ScriptedModalRunner runner{[](const std::string& failure) { ADD_FAILURE() << failure; }};
};

TEST_F(ComboListDialogTest, OpensOnPaymentMethodWithTheFieldsSorted) {
    ASSERT_TRUE(profile.WriteString("Combos", "Payment Method", "Cheque;Cash;"));
    CComboListDlg dialog(profile, runner);
    EXPECT_EQ(dialog.FieldBox()->count(), 14);
    EXPECT_EQ(dialog.FieldBox()->itemText(0), "Auction Type");
    EXPECT_EQ(dialog.FieldBox()->itemText(13), "Weight");
    EXPECT_EQ(dialog.FieldBox()->currentText(), "Payment Method");
    EXPECT_EQ(dialog.Values(), (std::vector<std::string>{"Cheque", "Cash"}));
    EXPECT_EQ(dialog.ValueList()->currentRow(), 0);
}

TEST_F(ComboListDialogTest, EditsTheListAndStoresOnlyWhatChanged) {
    CComboListDlg dialog(profile, runner);
    Choose(dialog, "Shipping Method");
    runner.Then(Enter("Air;mail")).Then(Enter("Sea")).Then(Enter("Road"));
    dialog.OnAdd();  // nothing selected: at the top
    dialog.OnAdd();  // after the selected
    dialog.ValueList()->setCurrentRow(0);
    dialog.OnEdit();
    EXPECT_EQ(dialog.Values(), (std::vector<std::string>{"Road", "Sea"}));
    dialog.OnMove(+1);
    EXPECT_EQ(dialog.Values(), (std::vector<std::string>{"Sea", "Road"}));
    EXPECT_EQ(dialog.ValueList()->currentRow(), 1);
    dialog.OnDelete();
    EXPECT_EQ(dialog.ValueList()->currentRow(), 0);
    runner.Then(Enter("Air;mail"));
    dialog.OnAdd();
    dialog.OnClose();
    EXPECT_EQ(Stored("Shipping Method"), "Sea;Airmail;");
    // Payment Method was shown first and never changed.
    EXPECT_EQ(Stored("Payment Method"), "missing");
}

TEST_F(ComboListDialogTest, AnEmptiedListIsStoredAsZero) {
    ASSERT_TRUE(profile.WriteString("Combos", "Weight", "Heavy;"));
    CComboListDlg dialog(profile, runner);
    Choose(dialog, "Weight");
    dialog.OnDelete();
    EXPECT_TRUE(dialog.Values().empty());
    Choose(dialog, "Feedback");
    EXPECT_EQ(machine.GetNumber(gb::app::SectionKey(gb::app::section::Combos), "Weight", 7), 0u);
    EXPECT_EQ(Stored("Feedback"), "missing");
}

TEST_F(ComboListDialogTest, AnAmountIsAskedForAndShownInTheUsersCurrency) {
    CListValueDlg dialog(true, "cheap", runner);
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(runner.Ran().size(), 1u);
    EXPECT_EQ(runner.Ran()[0].text, "Enter a monetary amount");
    dialog.ValueEdit()->setText("4.5");
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.Value(), "$4.50");
}

TEST_F(ComboListDialogTest, CancelEmptiesTheValue) {
    CListValueDlg dialog(false, "Heavy", runner);
    dialog.reject();
    EXPECT_EQ(dialog.Value(), "");
}

}  // namespace
