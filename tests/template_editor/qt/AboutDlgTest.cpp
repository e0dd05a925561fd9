// The editor's About box: its version line, and a link that opens the maker's
// site in the browser or, when it cannot, asks the user to go there himself.

#include <QtGui/QMouseEvent>
#include <QtWidgets/QApplication>
#include <QtWidgets/QLabel>

#include <gtest/gtest.h>

#include <vector>

#include "template_editor/dialogs/AboutDlg.h"
#include "widgets/CHyperLink.h"
#include "widgets/HelpService.h"
#include "widgets/LinkOpener.h"
#include "widgets/ScriptedModalRunner.h"

namespace gb::editor {
namespace {

using gb::widgets::ScriptedModalRunner;

class FakeBrowser final : public gb::widgets::HelpOpener {
public:
    bool Open(const QUrl& address) override {
        opened.push_back(address.toString());
        return succeeds;
    }

    bool succeeds = true;
    std::vector<QString> opened;
};

void ClickOn(QWidget& widget) {
    const QPointF inside(2, 2);
    QMouseEvent press(QEvent::MouseButtonPress, inside, widget.mapToGlobal(inside), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, inside, widget.mapToGlobal(inside),
                        Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &press);
    QApplication::sendEvent(&widget, &release);
}

class AboutBox : public ::testing::Test {
protected:
    FakeBrowser browser_;
    ScriptedModalRunner runner_;
    gb::widgets::DesktopLinkOpener opener_{browser_, runner_, nullptr};
    CAboutDlg about_{opener_};
};

TEST_F(AboutBox, ShowsTheEditorsVersionOnYellow) {
    EXPECT_EQ(about_.windowTitle(), "About Template Editor");
    auto* version = about_.findChild<QLabel*>("version");
    ASSERT_NE(version, nullptr);
    EXPECT_EQ(version->text(), "Version 2.0 Edit");
    for (const QLabel* line : {version, about_.findChild<QLabel*>("copyright")}) {
        ASSERT_NE(line, nullptr);
        EXPECT_TRUE(line->autoFillBackground());
        EXPECT_EQ(line->palette().color(QPalette::Window), QColor(255, 255, 0));
    }
}

TEST_F(AboutBox, TheLinkIsDarkGreenWithTheHandCursor) {
    EXPECT_EQ(about_.Link().text(), "www.norvel-software.example");
    EXPECT_EQ(about_.Link().palette().color(QPalette::WindowText), QColor(0, 128, 0));
    EXPECT_EQ(about_.Link().cursor().shape(), Qt::PointingHandCursor);
}

TEST_F(AboutBox, ClickingTheLinkOpensTheMakersSiteInTheBrowser) {
    ClickOn(about_.Link());
    EXPECT_EQ(browser_.opened, std::vector<QString>{"https://www.norvel-software.example/"});
    EXPECT_TRUE(runner_.Ran().empty());
}

TEST_F(AboutBox, ASiteThatCannotBeOpenedAsksTheUserToVisitIt) {
    browser_.succeeds = false;
    runner_.Then(ScriptedModalRunner::Press(QMessageBox::Ok));
    EXPECT_FALSE(about_.Link().Follow());
    ASSERT_EQ(runner_.Ran().size(), 1u);
    EXPECT_TRUE(runner_.Ran().front().text.contains("www.norvel-software.example"));
    EXPECT_TRUE(runner_.Failures().empty());
}

// A picture for the documentation, written only when GB_SCREENSHOT_DIR names a
// folder, e.g.
//   GB_SCREENSHOT_DIR=docs xvfb-run -a template_editor_qt_tests --gtest_filter='*Screenshot*'
TEST_F(AboutBox, Screenshot) {
    const QString folder = qEnvironmentVariable("GB_SCREENSHOT_DIR");
    if (folder.isEmpty()) {
        GTEST_SKIP() << "GB_SCREENSHOT_DIR is not set";
    }
    about_.show();
    QApplication::processEvents();
    EXPECT_TRUE(about_.grab().save(folder + "/template-editor-about.png"));
}

}  // namespace
}  // namespace gb::editor
