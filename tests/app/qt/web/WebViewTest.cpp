#include <gtest/gtest.h>
#include <QtCore/QFile>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWebEngineCore/QWebEnginePage>
#include <QtWidgets/QPushButton>

#include <cstdlib>
#include <optional>
#include <string>

#include "FakeServices.h"
#include "LoopbackSite.h"
#include "Screenshots.h"
#include "app/core/BusyState.h"
#include "app/core/CommandIds.h"
#include "app/core/web/WebCommands.h"
#include "app/core/web/WebViewHost.h"
#include "app/ui/web/CPageEndedPanel.h"
#include "app/ui/web/CWebView.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"
#include "widgets/CHistoryCombo.h"
#include "widgets/QtText.h"

namespace {

using gb::app::ui::CWebView;
using gb::widgets::FromQt;
using gb::widgets::ToQt;
namespace folder = gb::itemdb::folder;
namespace cmd = gb::app::cmd;

constexpr int kLoadTimeoutMs = 30000;

// The window around the view: its busy state, an address box with its
// history, the toolbar kind last shown and the update runs asked for.
class RecordingHost final : public gb::app::WebViewHost {
public:
    gb::app::BusyToken Busy() override { return busy.Hold(); }
    void SetAddress(std::string_view text, bool addToHistory) override {
        addressBox.AddText(ToQt(text), addToHistory);
    }
    std::string GetAddress() const override { return FromQt(addressBox.GetCurrentText()); }
    bool EnableToolbar(int folderKind) override {
        toolbarKind = folderKind;
        return true;
    }
    std::optional<std::string> FavoriteAddress(int) const override { return std::nullopt; }
    bool StartUpdate() override {
        ++updates;
        return true;
    }

    // How often the window became busy.
    int busyTimes = 0;
    gb::app::BusyState busy{[this](bool nowBusy) { busyTimes += nowBusy ? 1 : 0; }};
    gb::widgets::CHistoryCombo addressBox;
    int toolbarKind = 0;
    int updates = 0;
};

class WebViewTest : public ::testing::Test {
protected:
    WebViewTest() : view_(document_, host_, shell_, messages_, gb::Settings::CurrentUser()) {
        document_.OnNewDocument();
        document_.CreateDefaultFolders();
        view_.resize(800, 600);
    }

    // Waits for the page to finish loading; whether it loaded.
    bool WaitForLoad(const std::function<void()>& start) {
        QSignalSpy finished(view_.page(), &QWebEnginePage::loadFinished);
        start();
        if (!finished.wait(kLoadTimeoutMs)) {
            return false;
        }
        return finished.first().first().toBool();
    }

    // Selects the folder of `kind` and lets the view show it.
    // Runs the events until `done` holds; false when it never does.
    static bool WaitUntil(const std::function<bool()>& done) {
        for (int waited = 0; waited < kLoadTimeoutMs; waited += 50) {
            if (done()) {
                return true;
            }
            QTest::qWait(50);
        }
        return done();
    }

    void ShowFolder(std::int32_t kind) {
        gb::itemdb::CFolderTree& tree = document_.EditFolders();
        ASSERT_TRUE(tree.FindNode(folder::Root));
        while (tree.GetCurKind() != kind) {
            ASSERT_TRUE(tree.MoveNext()) << "no folder of kind " << kind;
        }
        ASSERT_TRUE(document_.SelectFolder(tree.GetCurId()));
        ASSERT_TRUE(WaitForLoad([this] { view_.OnUpdate(gb::itemdb::DocumentEvent::kHintNew); }));
    }

    gb::itemdb::CAucDoc document_;
    RecordingHost host_;
    FakeShell shell_;
    FakeMessages messages_;
    CWebView view_;
    LoopbackSite site_;
};

TEST_F(WebViewTest, TheUserGuideContentsLoadFromTheProgramsResources) {
    view_.OnInitialUpdate();
    EXPECT_EQ(host_.toolbarKind, folder::WebSites);
    if (const char* shot = std::getenv("GB_SCREENSHOT"); shot != nullptr) {
        view_.show();
    }
    ShowFolder(folder::Contents);
    EXPECT_EQ(view_.title(), "Gavelbook User Guide");
    EXPECT_EQ(host_.busyTimes, 1);
    EXPECT_FALSE(host_.busy.IsBusy());
    EXPECT_EQ(host_.addressBox.currentText(), "");
    EXPECT_EQ(host_.addressBox.count(), 0);
    if (const char* shot = std::getenv("GB_SCREENSHOT"); shot != nullptr) {
        // Web views paint a moment after the page has loaded.
        QTest::qWait(2000);
        view_.grab().save(QString::fromLocal8Bit(shot));
    }
}

TEST_F(WebViewTest, EachUserGuideFolderOpensItsPage) {
    for (const auto& [id, title] : {std::pair{folder::QuickStart, "Quick Start"},
                                    std::pair{folder::VersionUpdates, "Version Updates"}}) {
        ShowFolder(id);
        EXPECT_EQ(view_.title(), title);
    }
}

TEST_F(WebViewTest, AnUnknownResourcePageFailsWithoutStayingBusy) {
    EXPECT_FALSE(WaitForLoad([this] { view_.Navigate("res://Vellumark.dll/999"); }));
    EXPECT_FALSE(host_.busy.IsBusy());
}

TEST_F(WebViewTest, TheProgramsOwnPagesLeaveTheAddressBoxEmpty) {
    ASSERT_TRUE(WaitForLoad([this] { view_.Navigate(site_.Address("/page")); }));
    EXPECT_EQ(FromQt(host_.addressBox.currentText()), site_.Address("/page"));
    ASSERT_TRUE(WaitForLoad([this] { view_.Navigate("res://Vellumark.dll/101"); }));
    EXPECT_EQ(host_.addressBox.currentText(), "");
    EXPECT_EQ(view_.title(), "Quick Start");
}

TEST_F(WebViewTest, AMailLinkGoesToTheMailProgramWithoutMakingTheViewBusy) {
    view_.show();
    ASSERT_TRUE(WaitForLoad([this] { view_.Navigate(site_.Address("/mail")); }));
    host_.busyTimes = 0;
    // Pages may open mail programs only on a click of the user's.
    ASSERT_TRUE(WaitUntil([this] {
        QTest::mouseClick(view_.focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
        return !shell_.links.empty();
    }));
    EXPECT_EQ(shell_.links.front(), "mailto:buyer@example.com");
    QTest::qWait(200);
    EXPECT_EQ(host_.busyTimes, 0);
    EXPECT_EQ(view_.title(), "Mail");
    EXPECT_TRUE(messages_.shown.empty());

    // Without a mail program the user is told which address it was.
    shell_.succeeds = false;
    ASSERT_TRUE(WaitUntil([this] {
        QTest::mouseClick(view_.focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
        return !messages_.shown.empty();
    }));
    EXPECT_EQ(messages_.shown.front().rfind(
                  "No mail program could be started to write to buyer@example.com:", 0),
              0u)
        << messages_.shown.front();
}

TEST_F(WebViewTest, GoLoadsTheTypedAddressAndEnterAddsItToTheHistory) {
    host_.addressBox.setEditText(ToQt(site_.Address("/page")));
    ASSERT_TRUE(WaitForLoad([this] { view_.OnGoEntered(); }));
    EXPECT_EQ(view_.title(), "Loopback page");
    ASSERT_EQ(host_.addressBox.count(), 1);
    EXPECT_EQ(FromQt(host_.addressBox.itemText(0)), site_.Address("/page"));
    EXPECT_FALSE(host_.busy.IsBusy());

    // The Go button loads without adding.
    host_.addressBox.setEditText(ToQt(site_.Address("/mail")));
    ASSERT_TRUE(WaitForLoad([this] { view_.Commands().ExecuteCommand(gb::app::web_cmd::Go); }));
    EXPECT_EQ(view_.title(), "Mail");
    EXPECT_EQ(host_.addressBox.count(), 1);
}

TEST_F(WebViewTest, StopEndsTheBusyStateAndTouchesNothingElse) {
    host_.addressBox.AddText(QStringLiteral("http://earlier.example/"), true);
    host_.addressBox.setEditText(ToQt(site_.Address("/never")));
    view_.OnGo();
    ASSERT_TRUE(WaitUntil([this] { return host_.busy.IsBusy(); }));
    view_.Commands().ExecuteCommand(cmd::WebStop);
    EXPECT_FALSE(host_.busy.IsBusy());
    QTest::qWait(300);
    EXPECT_FALSE(host_.busy.IsBusy());
    EXPECT_EQ(FromQt(host_.addressBox.currentText()), site_.Address("/never"));
    ASSERT_EQ(host_.addressBox.count(), 1);
    EXPECT_EQ(host_.addressBox.itemText(0), "http://earlier.example/");
}

TEST_F(WebViewTest, WebSitesRunTheirScriptsAndLocalPagesDoNot) {
    ASSERT_TRUE(WaitForLoad([this] { view_.Navigate(site_.Address("/script")); }));
    EXPECT_EQ(view_.title(), "Scripted");
    const gb::test::TempFolder folder;
    const std::filesystem::path page = folder.Write("local.htm", LoopbackSite::kScriptPage);
    ASSERT_TRUE(WaitForLoad([&] { view_.Navigate("file://" + page.string()); }));
    EXPECT_EQ(view_.title(), "Plain");
}

TEST_F(WebViewTest, TheFontsCommandsSetTheTextSize) {
    view_.Commands().ExecuteCommand(gb::app::web_cmd::FontLargest);
    EXPECT_DOUBLE_EQ(view_.zoomFactor(), 1.5);
    view_.Commands().ExecuteCommand(gb::app::web_cmd::FontSmallest);
    EXPECT_DOUBLE_EQ(view_.zoomFactor(), 0.75);
    view_.Commands().ExecuteCommand(gb::app::web_cmd::FontNormal);
    EXPECT_DOUBLE_EQ(view_.zoomFactor(), 1.0);
}

TEST_F(WebViewTest, AViewLeftWhileItsPageLoadsGivesItsShareBack) {
    auto* leaving = new CWebView(document_, host_, shell_, messages_, gb::Settings::CurrentUser());
    leaving->Navigate(site_.Address("/never"));
    ASSERT_TRUE(WaitUntil([this] { return host_.busy.IsBusy(); }));
    ASSERT_TRUE(leaving->IsLoading());
    delete leaving;
    EXPECT_FALSE(host_.busy.IsBusy());
}

TEST_F(WebViewTest, UpdateDatabaseRunsFromTheView) {
    EXPECT_TRUE(view_.Commands().HandlesCommand(cmd::UpdateDatabase));
    EXPECT_TRUE(view_.Commands().ExecuteCommand(cmd::UpdateDatabase));
    EXPECT_EQ(host_.updates, 1);
}

TEST_F(WebViewTest, APageWhoseProcessEndedOffersToLoadItAgain) {
    view_.show();
    ASSERT_TRUE(WaitForLoad([this] { view_.Navigate(site_.Address("/page")); }));
    // Chromium's own address that ends the process drawing the page.
    view_.load(QUrl(QStringLiteral("chrome://kill")));
    ASSERT_TRUE(WaitUntil(
        [this] { return view_.EndedPanel() != nullptr && view_.EndedPanel()->isVisible(); }));
    EXPECT_FALSE(host_.busy.IsBusy());
    EXPECT_EQ(view_.EndedPanel()->geometry(), view_.rect());
    EXPECT_TRUE(view_.EndedPanel()->Message().contains("Press Reload"));
    if (!gb::test::ScreenshotFolder().isEmpty()) {
        gb::test::SaveScreenshot(view_, QStringLiteral("web-view-page-ended.png"));
    }

    ASSERT_TRUE(WaitForLoad([this] { view_.EndedPanel()->ReloadButton()->click(); }));
    EXPECT_FALSE(view_.EndedPanel()->isVisible());
    EXPECT_EQ(view_.title(), "Loopback page");
    EXPECT_FALSE(host_.busy.IsBusy());
}

}  // namespace
