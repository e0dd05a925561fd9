// "There is a problem..." shows the summary and details logs of a failed
// update run on two tabs over one read-only text.

#include <QtTest/QTest>
#include <QtWidgets/QPlainTextEdit>
#include <QtWidgets/QTabBar>

#include <gtest/gtest.h>

#include "app/dialogs/problems/CProblemDlg.h"

namespace {

TEST(ProblemDialogTest, TheTabsSwitchBetweenSummaryAndDetails) {
    const gb::app::RetrievalProblems problems{"Version 1.98\r\nwalt: sign-in failed",
                                              "Version 1.98\r\nGET /signin\r\nHTTP 500 \xe9t\xe9"};
    gb::app::ui::CProblemDlg dialog(problems);
    EXPECT_EQ(dialog.windowTitle(), "There is a problem...");
    ASSERT_EQ(dialog.Tabs()->count(), 2);
    EXPECT_EQ(dialog.Tabs()->tabText(0), "Summary");
    EXPECT_EQ(dialog.Tabs()->tabText(1), "Details");
    EXPECT_EQ(dialog.Tabs()->currentIndex(), 0);
    EXPECT_EQ(dialog.ShownText(), "Version 1.98\nwalt: sign-in failed");
    EXPECT_TRUE(dialog.findChild<QPlainTextEdit*>()->isReadOnly());

    dialog.show();
    QTest::mouseClick(dialog.Tabs(), Qt::LeftButton, {}, dialog.Tabs()->tabRect(1).center());
    EXPECT_EQ(dialog.ShownText(),
              QString::fromUtf8("Version 1.98\nGET /signin\nHTTP 500 \u00e9t\u00e9"));
    dialog.Tabs()->setCurrentIndex(0);
    EXPECT_EQ(dialog.ShownText(), "Version 1.98\nwalt: sign-in failed");
}

TEST(ProblemDialogTest, WithoutLogsBothTabsShowTheVersionLine) {
    gb::app::ui::CProblemDlg dialog(
        gb::app::RetrievalProblems{"Version 1.98\r\n", "Version 1.98\r\n"});
    EXPECT_EQ(dialog.ShownText(), "Version 1.98\n");
    dialog.OnSelchangeTab(1);
    EXPECT_EQ(dialog.ShownText(), "Version 1.98\n");
}

}  // namespace
