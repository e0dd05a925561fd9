// "Update Database" in the main window: the command starts a run of the
// document against the site emulator through the real site and retrieval
// libraries; the rows come in, the list shows them when the run is over and
// the status bar says so.

#include <QtCore/QDeadlineTimer>
#include <QtGui/QStatusTipEvent>
#include <QtTest/QTest>

#include <memory>
#include <optional>
#include <vector>

#include "ClientSettings.h"
#include "FrameFixture.h"
#include "SiteEmulator.h"
#include "SiteObjects.h"
#include "app/core/CommandIds.h"
#include "app/core/ProfileCommands.h"
#include "app/dialogs/problems/CProblemDlg.h"
#include "itemdb/FolderKind.h"
#include "platform/Clock.h"
#include "platform/ComponentLibrary.h"
#include "platform/WindowRegistry.h"

using namespace gb::itemdb;

namespace {

using gb::emulator::EmulatedBuyer;
using gb::emulator::EmulatedItem;
using gb::emulator::EmulatedSeller;

constexpr char kSite[] = "eBay USA";
constexpr char kSellerId[] = "walt";
constexpr char kPassword[] = "secret";
// The longest a run may take before the test gives up on it.
constexpr int kRunLimitMs = 120000;

// An item of the emulated site, started and ending the given hours from now.
EmulatedItem Item(std::string number, std::string title, int startHours, int endHours,
                  std::optional<EmulatedBuyer> buyer = std::nullopt) {
    const std::optional<gb::CivilTime> now = gb::Clock::Now().ToCivil();
    const gb::DateTime base = gb::DateTime::FromCivil(now->year, now->month, now->day, now->hour,
                                                      now->minute, now->second);
    EmulatedItem item;
    item.number = std::move(number);
    item.title = std::move(title);
    item.start = base.AddHours(startHours);
    item.end = base.AddHours(endHours);
    item.price = gb::Money::FromUnits(15 * gb::Money::kUnitsPerWhole);
    item.buyer = std::move(buyer);
    return item;
}

class UpdateDatabaseTest : public FrameFixture {
protected:
    // The site and retrieval libraries of the build, registered in the test's
    // own registry, with time limits for the retrievals that only a hung
    // server reaches, on a busy machine too.
    static void SetUpTestSuite() {
        gb::test::RegisterUpdateLibraries();
        const std::string retrieval = std::string(gb::kApplicationKey) + "\\Retrieval";
        gb::Settings& user = gb::Settings::CurrentUser();
        ASSERT_TRUE(user.SetNumber(retrieval, "ConnectTimeout", 10));
        ASSERT_TRUE(user.SetNumber(retrieval, "StallTimeout", 10));
        ASSERT_TRUE(user.SetNumber(retrieval, "OverallTimeout", 30));
    }

    ~UpdateDatabaseTest() override { gb::emulator::ForgetEmulator(gb::Settings::CurrentUser()); }

    // The emulated site serves the seller with `password`; the profile has
    // the seller (active or not) with its own password, and the window shows
    // the seller's In Progress items.
    void Prepare(const std::string& sitePassword, bool active = true) {
        EmulatedSeller seller;
        seller.userId = kSellerId;
        seller.password = sitePassword;
        seller.items = {Item("9201", "Walnut bowl", -30, 50, EmulatedBuyer{"tess", "8", "", ""}),
                        Item("9202", "Tin toy", -10, 20), Item("9203", "Oak chest", -200, -20)};
        emulator = std::make_unique<gb::emulator::SiteEmulator>(std::vector{seller});
        emulator->Start();
        ASSERT_TRUE(gb::emulator::PointSitesAt(gb::Settings::CurrentUser(), emulator->Host(),
                                               emulator->AuthorityFile()));

        document.OnNewDocument();
        document.SetProfileName("Demo");
        CSellerList& sellers = document.GetSellerList();
        const std::string classId = document.GetSiteCLSID(kSite);
        ASSERT_FALSE(classId.empty());
        sellers.AddSeller(kSellerId, kSite, classId);
        sellers.SetPassword(kPassword);
        sellers.SetActive(active ? 1 : 0);
        document.EnsureSellerFolders();
        sellers.SetCurrent(0);
        const std::int32_t sellerFolder = sellers.GetFolderId();
        OpenWindow();
        Open(test_profile::AllItemsFolder(document, sellerFolder, folder::InProgress));
    }

    // Lets the window handle the retrievals' messages until the run is over,
    // then the work it queued at the end.
    bool WaitForTheEnd() {
        const QDeadlineTimer deadline(kRunLimitMs);
        while (document.IsUpdating() && !deadline.hasExpired()) {
            QApplication::processEvents(QEventLoop::AllEvents, 20);
        }
        Settle();
        return !document.IsUpdating();
    }

    QStringList Descriptions() const {
        QStringList texts;
        for (int row = 0; row < List()->Model().rowCount(); ++row) {
            texts << List()->Model().CellText(row, 2);
        }
        texts.sort();
        return texts;
    }

    std::unique_ptr<gb::emulator::SiteEmulator> emulator;
};

TEST_F(UpdateDatabaseTest, TheCommandRunsAnUpdateAndTheListShowsTheNewItems) {
    Prepare(kPassword);
    ASSERT_EQ(List()->Model().rowCount(), 0);
    ASSERT_TRUE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).enabled);

    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    EXPECT_TRUE(document.IsUpdating());
    EXPECT_TRUE(frame->IsAnimationPlaying());
    const gb::app::CommandState running = frame->QueryCommand(gb::app::cmd::UpdateDatabase);
    EXPECT_FALSE(running.enabled);
    EXPECT_TRUE(running.checked);
    // A second request while the run goes on is refused.
    EXPECT_FALSE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));

    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(Descriptions(), (QStringList{"Tin toy", "Walnut bowl"}));
    EXPECT_EQ(frame->MessageText(), "Update Complete!");
    EXPECT_FALSE(frame->IsAnimationPlaying());
    EXPECT_FALSE(frame->IsBusy());
    const gb::app::CommandState idle = frame->QueryCommand(gb::app::cmd::UpdateDatabase);
    EXPECT_TRUE(idle.enabled);
    EXPECT_FALSE(idle.checked);
    EXPECT_TRUE(services.messages.shown.empty());
    EXPECT_TRUE(services.modals.Ran().empty());
    // The ended item went to Auction Ended; the seller's last update is stamped.
    EXPECT_EQ(document.GetItemList().GetStateList(folder::AuctionEnded)->Size(), 1u);
    EXPECT_TRUE(document.IsModified());
}

TEST_F(UpdateDatabaseTest, F5StartsTheUpdate) {
    Prepare(kPassword);
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    QTest::keyClick(frame.get(), Qt::Key_F5);
    EXPECT_TRUE(document.IsUpdating());
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(List()->Model().rowCount(), 2);
}

TEST_F(UpdateDatabaseTest, AFailedRetrievalShowsTheSessionLogs) {
    Prepare("another password");
    QString summary;
    QString details;
    services.modals.Then(gb::widgets::ScriptedModalRunner::Accept([&](QDialog& shown) {
        auto& problems = dynamic_cast<gb::app::ui::CProblemDlg&>(shown);
        summary = problems.ShownText();
        problems.OnSelchangeTab(1);
        details = problems.ShownText();
    }));
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(frame->MessageText(), "Update Complete!");
    EXPECT_EQ(List()->Model().rowCount(), 0);
    EXPECT_TRUE(services.messages.shown.empty());
    ASSERT_EQ(services.modals.Ran().size(), 1u);
    EXPECT_EQ(services.modals.Ran().front().className, "gb::app::ui::CProblemDlg");
    for (const QString& log : {summary, details}) {
        EXPECT_TRUE(log.startsWith("Version 1.98\n")) << log.toStdString();
    }
    EXPECT_TRUE(summary.contains("The Seller ID or password is incorrect."))
        << summary.toStdString();
}

TEST_F(UpdateDatabaseTest, TheRunsLastTextReplacesAHintLeftInTheStatusBar) {
    Prepare("another password");
    services.modals.Then(gb::widgets::ScriptedModalRunner::Accept());
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    // What the window shows while the mouse rests on a button with a hint.
    QStatusTipEvent hint(QStringLiteral("Copy the selected items through the current template"));
    QApplication::sendEvent(frame.get(), &hint);
    ASSERT_NE(frame->MessageText(), "Update Complete!");
    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(frame->MessageText(), "Update Complete!");
    EXPECT_EQ(services.modals.Ran().size(), 1u);
}

TEST_F(UpdateDatabaseTest, WithoutAnActiveSellerNothingStarts) {
    Prepare(kPassword, false);
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    EXPECT_FALSE(document.IsUpdating());
    EXPECT_FALSE(frame->IsBusy());
    EXPECT_FALSE(frame->IsAnimationPlaying());
    ASSERT_EQ(services.messages.shown.size(), 1u);
    EXPECT_EQ(services.messages.shown.front().rfind("There are no active eBay Seller IDs", 0), 0u);
}

TEST_F(UpdateDatabaseTest, TheProfileViewOffersNoUpdate) {
    Prepare(kPassword);
    frame->ShowUserProfile();
    Settle();
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).enabled);
}

TEST_F(UpdateDatabaseTest, ProfilesStayOpenAndTheWindowStaysWhileTheRunLasts) {
    Prepare(kPassword);
    gb::app::ProfileCommands profiles(document, app, services.files, services.messages);
    frame->AddCommandTarget(&profiles.Commands());
    const std::filesystem::path other = folder / "Other.pro";
    app.GetRecentFiles().Add(other);
    services.files.openAnswer = other;
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    ASSERT_TRUE(document.IsUpdating());

    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::FileOpen));
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::FileNew));
    EXPECT_TRUE(frame->ExecuteCommand(gb::app::cmd::FileRecent1));
    EXPECT_FALSE(profiles.OpenProfile(other));  // a dropped file
    EXPECT_FALSE(frame->close());
    ASSERT_EQ(services.messages.shown.size(), 5u);
    for (const std::string& shown : services.messages.shown) {
        EXPECT_EQ(shown, "An update is running. Wait until it is complete, then try again.");
    }
    EXPECT_EQ(document.GetProfileName(), "Demo");
    EXPECT_EQ(app.GetRecentFiles().Entries().size(), 1u);
    EXPECT_TRUE(frame->isVisible());

    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_EQ(List()->Model().rowCount(), 2);
}

TEST_F(UpdateDatabaseTest, APageEndingWhileTheRunGoesOnLeavesTheRunBusy) {
    Prepare(kPassword);
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    // A page's load, started and stopped while the run goes on.
    frame->Busy().Release();
    EXPECT_TRUE(frame->IsAnimationPlaying());
    EXPECT_TRUE(document.IsUpdating());
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).enabled);
    EXPECT_FALSE(frame->QueryCommand(gb::app::cmd::UserProfile).enabled);
    EXPECT_FALSE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));

    ASSERT_TRUE(WaitForTheEnd());
    EXPECT_FALSE(frame->IsBusy());
    EXPECT_EQ(frame->MessageText(), "Update Complete!");
    EXPECT_TRUE(frame->QueryCommand(gb::app::cmd::UpdateDatabase).enabled);
}

TEST_F(UpdateDatabaseTest, ATickAfterTheEndLeavesUpdateComplete) {
    Prepare(kPassword);
    ASSERT_TRUE(frame->ExecuteCommand(gb::app::cmd::UpdateDatabase));
    ASSERT_TRUE(WaitForTheEnd());
    ASSERT_EQ(frame->MessageText(), "Update Complete!");
    gb::PostMessage(frame->Handle(), gb::WM_USER + 1, 1, 1);
    Settle();
    EXPECT_EQ(frame->MessageText(), "Update Complete!");
}

}  // namespace
