#include "setup/remove/RemoveWindow.h"

#include <gtest/gtest.h>

#include "widgets/ScriptedModalRunner.h"

namespace gb::setup::ui {
namespace {

using widgets::ScriptedModalRunner;

TEST(RemoveWindowTest, TellsWhatWasRemovedAndKept) {
    UninstallReport report;
    report.removed = {"/home/u/.local/opt/Lotkeeper/Lotkeeper",
                      "/home/u/Desktop/gavelbook.desktop"};
    report.kept = {"/home/u/.local/opt/Lotkeeper/Demo.pro"};
    report.keptFolders = {"/home/u/.local/opt/Lotkeeper"};
    ScriptedModalRunner runner([](const std::string& failure) { ADD_FAILURE() << failure; });
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ShowRemoveReport(runner, report);
    ASSERT_EQ(runner.Ran().size(), 1u);
    const ScriptedModalRunner::Record& window = runner.Ran()[0];
    EXPECT_EQ(window.className, "QMessageBox");
    EXPECT_EQ(window.title, "Remove Gavelbook");
    // What was kept is not gone: the window does not say "removed".
    EXPECT_TRUE(
        window.text.startsWith("Not everything Gavelbook installed was taken away: what "
                               "is listed as kept below is still there.\n\nRemoved:\n"))
        << window.text.toStdString();
    EXPECT_TRUE(window.text.contains("    /home/u/Desktop/gavelbook.desktop\n"));
    EXPECT_TRUE(
        window.text.contains("Kept, as they were changed after the installation:\n"
                             "    /home/u/.local/opt/Lotkeeper/Demo.pro\n"));

    report.problems = {"Cannot remove /home/u/.local/opt/Lotkeeper/Lotkeeper: busy"};
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ShowRemoveReport(runner, report);
    ASSERT_EQ(runner.Ran().size(), 2u);
    EXPECT_TRUE(runner.Ran()[1].text.startsWith("Gavelbook could not be removed completely."));
    EXPECT_TRUE(runner.Ran()[1].text.contains("Problems:\n    Cannot remove "));

    // Only when everything it made is gone.
    report.problems.clear();
    report.kept.clear();
    report.keptFolders.clear();
    runner.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    ShowRemoveReport(runner, report);
    ASSERT_EQ(runner.Ran().size(), 3u);
    EXPECT_TRUE(runner.Ran()[2].text.startsWith("Gavelbook was removed.\n\nRemoved:\n"));
}

}  // namespace
}  // namespace gb::setup::ui
