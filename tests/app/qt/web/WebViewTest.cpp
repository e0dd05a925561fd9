#include <gtest/gtest.h>
#include <httplib.h>
#include <QtCore/QFile>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <QtWebEngineCore/QWebEnginePage>

#include <atomic>
#include <cstdlib>
#include <optional>
#include <string>
#include <thread>

#include "FakeServices.h"
#include "app/core/BusyCounter.h"
#include "app/core/CommandIds.h"
#include "app/core/web/WebCommands.h"
#include "app/core/web/WebViewHost.h"
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

// The window around the view: a busy count, an address box with its history
// and the toolbar kind last shown.
class RecordingHost final : public gb::app::WebViewHost {
public:
    int SetBusy(bool busy, bool reset) override {
        const int count = counter.SetBusy(busy, reset).count;
        highest = std::max(highest, count);
        return count;
    }
    void SetAddress(std::string_view text, bool addToHistory) override {
        addressBox.AddText(ToQt(text), addToHistory);
    }
    std::string GetAddress() const override { return FromQt(addressBox.GetCurrentText()); }
    bool EnableToolbar(int folderKind) override {
        toolbarKind = folderKind;
        return true;
    }
    std::optional<std::string> FavoriteAddress(int) const override { return std::nullopt; }

    gb::app::BusyCounter counter;
    int highest = 0;
    gb::widgets::CHistoryCombo addressBox;
    int toolbarKind = 0;
};

// A web site on 127.0.0.1: a page with a title, a page with a mail link, a
// page whose script renames it, and a page that does not answer until the
// site closes.
class LoopbackSite {
public:
    LoopbackSite() {
        server_.Get("/page", [](const httplib::Request&, httplib::Response& response) {
            response.set_content("<html><head><title>Loopback page</title></head></html>",
                                 "text/html");
        });
        server_.Get("/mail", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(
                "<html><head><title>Mail</title></head><body style='margin:0'>"
                "<a href='mailto:buyer@example.com' style='display:block;width:400px;"
                "height:300px'>write</a></body></html>",
                "text/html");
        });
        server_.Get("/script", [](const httplib::Request&, httplib::Response& response) {
            response.set_content(kScriptPage, "text/html");
        });
        server_.Get("/slow", [this](const httplib::Request&, httplib::Response& response) {
            for (int i = 0; i < 300 && !closing_; ++i) {
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            response.set_content("<html><head><title>Slow</title></head></html>", "text/html");
        });
        // One request per connection: the browser keeps none open when the
        // site closes.
        server_.set_keep_alive_max_count(1);
        port_ = server_.bind_to_any_port("127.0.0.1");
        thread_ = std::thread([this] { server_.listen_after_bind(); });
        // A stop before the server runs would be lost and leave it running.
        while (!server_.is_running()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    }
    ~LoopbackSite() {
        closing_ = true;
        server_.stop();
        thread_.join();
    }

    std::string Address(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    static constexpr const char* kScriptPage =
        "<html><head><title>Plain</title>"
        "<script>document.title = 'Scripted';</script></head></html>";

private:
    httplib::Server server_;
    std::thread thread_;
    int port_ = 0;
    std::atomic<bool> closing_ = false;
};

class WebViewTest : public ::testing::Test {
protected:
    WebViewTest() : view_(document_, host_, shell_, gb::Settings::CurrentUser()) {
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
        gb::itemdb::CFolderTree& tree = document_.GetFolderTree();
        ASSERT_TRUE(tree.FindNode(folder::Root));
        while (tree.GetCurKind() != kind) {
            ASSERT_TRUE(tree.MoveNext()) << "no folder of kind " << kind;
        }
        ASSERT_TRUE(document_.SelectFolder(tree.GetCurId()));
        ASSERT_TRUE(WaitForLoad([this] { view_.OnUpdate(nullptr, 0); }));
    }

    gb::itemdb::CAucDoc document_;
    RecordingHost host_;
    FakeShell shell_;
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
    EXPECT_EQ(host_.highest, 1);
    EXPECT_EQ(host_.counter.Count(), 0);
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
    EXPECT_EQ(host_.counter.Count(), 0);
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
    host_.highest = 0;
    // Pages may open mail programs only on a click of the user's.
    ASSERT_TRUE(WaitUntil([this] {
        QTest::mouseClick(view_.focusProxy(), Qt::LeftButton, {}, QPoint(100, 100));
        return !shell_.links.empty();
    }));
    EXPECT_EQ(shell_.links.front(), "mailto:buyer@example.com");
    QTest::qWait(200);
    EXPECT_EQ(host_.highest, 0);
    EXPECT_EQ(view_.title(), "Mail");
}

TEST_F(WebViewTest, GoLoadsTheTypedAddressAndEnterAddsItToTheHistory) {
    host_.addressBox.setEditText(ToQt(site_.Address("/page")));
    ASSERT_TRUE(WaitForLoad([this] { view_.OnGoEntered(); }));
    EXPECT_EQ(view_.title(), "Loopback page");
    ASSERT_EQ(host_.addressBox.count(), 1);
    EXPECT_EQ(FromQt(host_.addressBox.itemText(0)), site_.Address("/page"));
    EXPECT_EQ(host_.counter.Count(), 0);

    // The Go button loads without adding.
    host_.addressBox.setEditText(ToQt(site_.Address("/mail")));
    ASSERT_TRUE(WaitForLoad([this] { view_.Commands().ExecuteCommand(gb::app::web_cmd::Go); }));
    EXPECT_EQ(view_.title(), "Mail");
    EXPECT_EQ(host_.addressBox.count(), 1);
}

TEST_F(WebViewTest, StopEndsTheBusyStateAndTouchesNothingElse) {
    host_.addressBox.AddText(QStringLiteral("http://earlier.example/"), true);
    host_.addressBox.setEditText(ToQt(site_.Address("/slow")));
    view_.OnGo();
    ASSERT_TRUE(WaitUntil([this] { return host_.counter.Count() > 0; }));
    view_.Commands().ExecuteCommand(cmd::WebStop);
    EXPECT_EQ(host_.counter.Count(), 0);
    QTest::qWait(300);
    EXPECT_EQ(host_.counter.Count(), 0);
    EXPECT_EQ(FromQt(host_.addressBox.currentText()), site_.Address("/slow"));
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

}  // namespace
