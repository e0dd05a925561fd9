// "A Helpful Hint" shows a hint's text from the string table and whether the
// user wants to see it again.

#include <QtTest/QTest>
#include <QtWidgets/QCheckBox>
#include <QtWidgets/QDialogButtonBox>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QPushButton>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/TempFolder.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/dialogs/hints/CExplainDlg.h"
#include "platform/Settings.h"
#include "widgets/ScriptedModalRunner.h"

using gb::test::TempFolder;

namespace {

struct HintCase {
    int stringId;
    const char* text;
};

void PrintTo(const HintCase& c, std::ostream* os) {
    *os << "string " << c.stringId;
}

class HintTextTest : public ::testing::TestWithParam<HintCase> {};

TEST_P(HintTextTest, ShowsTheHintsTextUnticked) {
    gb::app::ui::CExplainDlg dialog(GetParam().stringId);
    EXPECT_EQ(dialog.windowTitle(), "A Helpful Hint");
    EXPECT_EQ(dialog.Text(), GetParam().text);
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>()->isReadOnly());
    EXPECT_EQ(dialog.DoNotShowBox()->text(), "Do not display this message again.");
    EXPECT_FALSE(dialog.DoNotShowAgain());
}

INSTANTIATE_TEST_SUITE_P(
    Hints, HintTextTest,
    ::testing::Values(
        HintCase{gb::app::string_id::HintPasteMail,
                 "After your email program starts, use Ctrl-V to paste the body of the message "
                 "into your email."},
        HintCase{gb::app::string_id::HintPaymentMethod,
                 "If you set the Payment Method, you should also set the Fee, Amt Received, and "
                 "the Date."},
        HintCase{gb::app::string_id::HintDuplicateElsewhere,
                 "The new duplicate item has been created. However, it does not belong in the "
                 "current folder. Open the Needs Attention folder to view the new item."},
        // An ID without text, or none at all, shows an empty hint.
        HintCase{1, ""}, HintCase{0, ""}),
    [](const ::testing::TestParamInfo<HintCase>& hint) {
        return "String" + std::to_string(hint.param.stringId);
    });

TEST(HintDialogTest, TickingTheBoxAsksNotToShowTheHintAgain) {
    gb::app::ui::CExplainDlg dialog(gb::app::string_id::HintDuplicateElsewhere);
    dialog.show();
    QTest::mouseClick(dialog.DoNotShowBox(), Qt::LeftButton, {},
                      QPoint(4, dialog.DoNotShowBox()->height() / 2));
    EXPECT_TRUE(dialog.DoNotShowAgain());
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
}

TEST(HintDialogTest, AHintTickedThroughTheRunnerIsNotShownAgain) {
    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    gb::widgets::ScriptedModalRunner runner(
        [](const std::string& failure) { ADD_FAILURE() << failure; });
    auto tick = gb::widgets::ScriptedModalRunner::Accept([](QDialog& shown) {
        dynamic_cast<gb::app::ui::CExplainDlg&>(shown).DoNotShowBox()->setChecked(true);
    });
    tick.className = QStringLiteral("gb::app::ui::CExplainDlg");
    runner.Then(gb::widgets::ScriptedModalRunner::Accept()).Then(tick);
    gb::app::HintReminder hints(user, [&runner](int stringId) {
        return gb::app::ui::CExplainDlg::Ask(runner, nullptr, stringId);
    });

    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_FALSE(hints.IsSwitchedOff(gb::app::string_id::HintPasteMail));
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_TRUE(hints.IsSwitchedOff(gb::app::string_id::HintPasteMail));
    EXPECT_FALSE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    ASSERT_EQ(runner.Ran().size(), 2u);
    EXPECT_EQ(runner.Ran().back().title, "A Helpful Hint");
}

}  // namespace
