#include "widgets/ScriptedModalRunner.h"

#include <QtWidgets/QDialog>

#include <gtest/gtest.h>

#include "widgets/MessageBox.h"

namespace gb::widgets {
namespace {

const MessageBoxContent kQuestion{"Gavelbook", "Delete the selected items?", QMessageBox::Question,
                               QMessageBox::Yes | QMessageBox::No};

TEST(ScriptedModalRunnerTest, AnswersYesNoQuestionsWithTheScriptedButtons) {
    ScriptedModalRunner runner;
    runner.Then(ScriptedModalRunner::Press(QMessageBox::No))
        .Then(ScriptedModalRunner::Press(QMessageBox::Yes));

    EXPECT_EQ(ShowMessage(runner, nullptr, kQuestion), QMessageBox::No);
    EXPECT_EQ(ShowMessage(runner, nullptr, kQuestion), QMessageBox::Yes);

    ASSERT_EQ(runner.Ran().size(), 2u);
    EXPECT_EQ(runner.Ran()[0].className, "QMessageBox");
    EXPECT_EQ(runner.Ran()[0].title, "Gavelbook");
    EXPECT_EQ(runner.Ran()[0].text, "Delete the selected items?");
    EXPECT_TRUE(runner.Failures().empty());
}

TEST(ScriptedModalRunnerTest, FailsWhenAWindowArrivesUnscriptedOrUnexpected) {
    std::vector<std::string> heard;
    ScriptedModalRunner runner([&](const std::string& failure) { heard.push_back(failure); });
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));

    // A plain dialog where a message box was expected, then nothing left.
    QDialog dialog;
    EXPECT_EQ(runner.Run(dialog), QDialog::Rejected);
    EXPECT_EQ(ShowMessage(runner, nullptr, kQuestion), 0);

    ASSERT_EQ(heard.size(), 2u);
    EXPECT_NE(heard[0].find("expected a QMessageBox"), std::string::npos);
    EXPECT_NE(heard[1].find("no scripted step left"), std::string::npos);
    EXPECT_EQ(runner.Failures(), heard);
}

TEST(ScriptedModalRunnerTest, FailsWhenAMessageBoxLacksThePressedButton) {
    ScriptedModalRunner runner;
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Cancel));

    ShowMessage(runner, nullptr, kQuestion);

    ASSERT_EQ(runner.Failures().size(), 1u);
    EXPECT_NE(runner.Failures()[0].find("has no button"), std::string::npos);
}

TEST(ScriptedModalRunnerTest, FillsTheDialogWhileItIsShown) {
    ScriptedModalRunner runner;
    bool shownWhileFilling = false;
    runner.Then(ScriptedModalRunner::Accept([&](QDialog& dialog) {
        shownWhileFilling = dialog.isVisible();
        dialog.setObjectName("filled");
    }));

    QDialog dialog;
    EXPECT_EQ(runner.Run(dialog), QDialog::Accepted);
    EXPECT_TRUE(shownWhileFilling);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.objectName(), "filled");
}

}  // namespace
}  // namespace gb::widgets
