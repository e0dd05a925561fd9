// The main window with web folders: the user guide and web sites show in the
// web view on the right, the address box drives it, and the tree's Edit of a
// web site runs the link dialog. GB_SCREENSHOT names a picture file of the
// window showing the guide, taken under a real display, e.g.
//   GB_SCREENSHOT=docs/lotkeeper-main-window-user-guide.png QT_QPA_PLATFORM=xcb
//   xvfb-run -a -s '-screen 0 1280x900x24' app_web_tests --gtest_filter='MainWindowWebTest.AUser*'

#include <QtTest/QTest>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPushButton>

#include <unistd.h>

#include <cstdlib>
#include <functional>
#include <vector>

#include "FrameFixture.h"
#include "LoopbackSite.h"
#include "app/core/AppSettings.h"
#include "app/core/CommandIds.h"
#include "app/dialogs/web/CWebLinkDlg.h"
#include "app/ui/web/CWebView.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "widgets/CHistoryCombo.h"
#include "widgets/WebEngineStart.h"

namespace {

namespace folder = gb::itemdb::folder;
namespace cmd = gb::app::cmd;
using gb::app::ui::CWebView;
using gb::widgets::ScriptedModalRunner;

constexpr int kLoadTimeoutMs = 30000;

class MainWindowWebTest : public FrameFixture {
protected:
    void SetUp() override {
        test_profile::Prepare(document);
        OpenWindow();
    }

    CWebView* Web() const { return dynamic_cast<CWebView*>(frame->GetRightView()); }

    // Waits until the web view on the right shows a page of `title` and the
    // window is no longer busy.
    bool WaitForPage(const QString& title) {
        return QTest::qWaitFor(
            [this, &title] {
                return Web() != nullptr && Web()->title() == title && !frame->IsBusy();
            },
            kLoadTimeoutMs);
    }
};

TEST_F(MainWindowWebTest, AUserGuideFolderShowsTheGuideInTheWindow) {
    const bool screenshot = std::getenv("GB_SCREENSHOT") != nullptr;
    if (screenshot) {
        // Wide enough for the guide's folder names, as a user would leave it.
        ASSERT_TRUE(user.SetNumber(gb::app::SectionKey(gb::app::section::Settings),
                                   gb::app::value::Splitter, 220));
        frame->resize(1100, 760);
        frame->ShowMainView();
        Settle();
    }
    Open(test_profile::FindChild(document.EditFolders(), folder::UserGuide, folder::Contents));
    ASSERT_NE(Web(), nullptr);
    ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide")));
    EXPECT_TRUE(Web()->url().toString().startsWith("res://"));
    EXPECT_TRUE(frame->IsBandShown(gb::app::Band::Address));
    EXPECT_FALSE(frame->IsBandShown(gb::app::Band::Summary));
    EXPECT_TRUE(frame->IsButtonShown(cmd::WebBack));
    EXPECT_FALSE(frame->IsAnimationPlaying());
    EXPECT_EQ(frame->ShownWebAddress(), "");
    if (screenshot) {
        // Web views paint a moment after the page has loaded.
        QTest::qWait(2000);
        EXPECT_TRUE(frame->grab().save(QString::fromLocal8Bit(std::getenv("GB_SCREENSHOT"))));
    }
}

// The first page starts the web engine. As root (the only user of a fresh
// machine) it runs without its sandbox, which the program turns off itself
// (the test program leaves the variable to it): the engine would end the
// whole program otherwise. The window says so when the first page opens, and
// not again.
TEST_F(MainWindowWebTest, AsRootPagesOpenAndTheWindowSaysOnceThatTheEngineHasNoSandbox) {
    const bool root = geteuid() == 0;
    EXPECT_EQ(qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"), root);
    const QString note = QString::fromStdString(gb::widgets::WebEngineSandboxNote());
    EXPECT_EQ(note.isEmpty(), !root);
    gb::itemdb::CFolderTree& folders = document.EditFolders();

    Open(test_profile::FindChild(folders, folder::UserGuide, folder::Contents));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide")));
    EXPECT_EQ(frame->MessageText() == note, root);

    Open(test_profile::AllItemsFolder(document, document.GetSellerList().GetFolderId(),
                                      folder::InProgress));
    ASSERT_EQ(Web(), nullptr);
    Open(test_profile::FindChild(folders, folder::UserGuide, folder::QuickStart));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Quick Start")));
    EXPECT_NE(frame->MessageText(), note);
}

TEST_F(MainWindowWebTest, UserGuideOpensTheContentsWithOrWithoutTheTree) {
    for (const bool tree : {true, false}) {
        if (!tree) {
            frame->ExecuteCommand(cmd::NavigationTree);
            Settle();
            ASSERT_EQ(frame->GetMainView(), nullptr);
        }
        ASSERT_TRUE(frame->QueryCommand(cmd::HelpUserGuide).enabled);
        frame->ExecuteCommand(cmd::HelpUserGuide);
        EXPECT_EQ(document.GetSelectedFolderId(), folder::Contents);
        ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide"))) << tree;
        EXPECT_EQ(frame->GetMainView() != nullptr, tree);
    }
}

TEST_F(MainWindowWebTest, HidingAndShowingTheTreeKeepsThePageOnDisplay) {
    Open(test_profile::FindChild(document.EditFolders(), folder::UserGuide, folder::QuickStart));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Quick Start")));
    for (int toggle = 0; toggle < 2; ++toggle) {
        frame->ExecuteCommand(cmd::NavigationTree);
        Settle();
        EXPECT_EQ(frame->GetMainView() != nullptr, toggle == 1);
        EXPECT_TRUE(WaitForPage(QStringLiteral("Quick Start"))) << toggle;
    }
}

TEST_F(MainWindowWebTest, EnterInTheAddressBoxLoadsThePageAndKeepsTheAddress) {
    Open(test_profile::FindChild(document.EditFolders(), folder::UserGuide, folder::Contents));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide")));
    gb::widgets::CHistoryCombo& box = *frame->AddressBox();
    box.setEditText(QStringLiteral("res://Vellumark.dll/101"));
    QTest::keyClick(box.lineEdit(), Qt::Key_Return);
    ASSERT_TRUE(WaitForPage(QStringLiteral("Quick Start")));
    EXPECT_EQ(box.itemText(0), "res://Vellumark.dll/101");
}

TEST_F(MainWindowWebTest, EditingAWebSiteOffersTheShownAddressAndStoresTheLink) {
    gb::itemdb::CFolderTree& folders = document.EditFolders();
    const std::int32_t site = test_profile::FindChild(folders, folder::WebSites, folder::Sample);
    Open(test_profile::FindChild(folders, folder::UserGuide, folder::Contents));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide")));
    frame->SetAddress("http://127.0.0.1:9/shown", false);

    services.modals.Then(ScriptedModalRunner::Accept([](QDialog& dialog) {
        auto* getCurrent = dialog.findChild<QPushButton*>(QStringLiteral("getCurrent"));
        ASSERT_NE(getCurrent, nullptr);
        ASSERT_TRUE(getCurrent->isEnabled());
        getCurrent->click();
        dialog.findChild<QLineEdit*>(QStringLiteral("name"))->setText(QStringLiteral("Shop"));
    }));
    Tree().SetCurrentNodeId(site);
    Tree().OnEdit();
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran()[0].className, "gb::app::ui::CWebLinkDlg");
    ASSERT_TRUE(folders.FindNode(site));
    EXPECT_EQ(folders.GetCurName(), "Shop");
    EXPECT_EQ(folders.GetCurColumnsOrURL(), "http://127.0.0.1:9/shown");
}

// What the busy state shows: the animation, User Profile and Update Database.
struct BusyLook {
    bool playing;
    bool profileEnabled;
    bool updatePressed;

    bool operator==(const BusyLook&) const = default;
};

TEST_F(MainWindowWebTest, APageLeftWhileItLoadsEndsItsBusyShare) {
    const LoopbackSite site;
    gb::itemdb::CFolderTree& folders = document.EditFolders();
    const std::int32_t never = test_profile::FindChild(folders, folder::WebSites, folder::Sample);
    ASSERT_TRUE(folders.FindNode(never));
    folders.SetCurColumnsOrURL(site.Address("/never"));
    const std::int32_t items = test_profile::AllItemsFolder(
        document, document.GetSellerList().GetFolderId(), folder::InProgress);
    const auto look = [this] {
        return BusyLook{frame->IsAnimationPlaying(), frame->QueryCommand(cmd::UserProfile).enabled,
                        frame->QueryCommand(cmd::UpdateDatabase).checked};
    };
    const BusyLook idle{false, true, false};
    const BusyLook busy{true, false, true};

    // Leaving for an item folder, the user guide and the profile.
    const std::vector<std::function<void()>> leave{
        [&] { Open(items); },
        [&] { Open(test_profile::FindChild(folders, folder::UserGuide, folder::Contents)); },
        [&] { frame->ShowUserProfile(); },
    };
    for (std::size_t way = 0; way < leave.size(); ++way) {
        Open(never);
        ASSERT_TRUE(QTest::qWaitFor([&] { return frame->IsBusy(); }, kLoadTimeoutMs)) << way;
        EXPECT_EQ(look(), busy) << way;
        leave[way]();
        ASSERT_TRUE(QTest::qWaitFor([&] { return look() == idle; }, kLoadTimeoutMs)) << way;
        EXPECT_EQ(look(), idle) << way;
        if (frame->GetRightView()->Kind() == gb::app::ViewKind::Profile) {
            frame->ExecuteCommand(cmd::UserProfile);
            Settle();
        }
    }
}

TEST_F(MainWindowWebTest, UpdateDatabaseRunsWhileAPageShows) {
    document.GetSellerList().SetActive(0);
    Open(test_profile::FindChild(document.EditFolders(), folder::UserGuide, folder::Contents));
    ASSERT_TRUE(WaitForPage(QStringLiteral("Gavelbook User Guide")));
    ASSERT_TRUE(frame->QueryCommand(cmd::UpdateDatabase).enabled);
    EXPECT_TRUE(frame->ExecuteCommand(cmd::UpdateDatabase));
    // The run starts, and finds no seller ID to update.
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown[0].rfind("There are no active eBay Seller IDs", 0), 0u);
}

}  // namespace
