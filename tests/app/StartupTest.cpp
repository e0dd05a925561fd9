// Which profile start-up opens, what it does when that fails, what shutdown
// keeps, and the command line and splash timing around it.

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "app/core/AppSettings.h"
#include "app/core/CLotkeeperApp.h"
#include "app/core/MessageService.h"
#include "app/core/SplashSchedule.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace {

class RecordingMessages : public gb::app::MessageService {
public:
    gb::app::MessageResult Show(std::string_view text, gb::app::MessageButtons,
                                gb::app::MessageIcon) override {
        shown.emplace_back(text);
        return gb::app::MessageResult::Ok;
    }
    std::vector<std::string> shown;
};

class FakeOpener : public gb::app::ProfileOpener {
public:
    bool NewProfile() override {
        calls.push_back("new");
        return newSucceeds;
    }
    bool OpenProfile(const std::filesystem::path& path) override {
        calls.push_back("open " + path.string());
        return openSucceeds;
    }
    std::vector<std::string> calls;
    bool openSucceeds = true;
    bool newSucceeds = true;
};

class StartupTest : public ::testing::Test {
protected:
    gb::app::CommandLine Line(std::vector<std::string> arguments) {
        return gb::app::CommandLine::Parse(arguments);
    }
    void StoreLastProfile(const std::string& path) {
        ASSERT_TRUE(user.SetString(gb::app::SectionKey("Settings"), "ProfileName", path));
    }

    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    gb::app::CLotkeeperApp app{user, folder.Path()};
    RecordingMessages messages;
    FakeOpener opener;
};

TEST_F(StartupTest, AProfileOnTheCommandLineIsOpened) {
    StoreLastProfile("/old/Last.pro");
    const gb::app::StartupRequest request = app.ChooseStartupProfile(Line({"/data/Shop.pro"}));
    EXPECT_EQ(request, (gb::app::StartupRequest{"/data/Shop.pro", false}));
    EXPECT_EQ(app.OpenStartupProfile(request, opener, messages), gb::app::StartupResult::Opened);
    EXPECT_EQ(opener.calls, std::vector<std::string>{"open /data/Shop.pro"});
}

TEST_F(StartupTest, WithoutOneTheLastProfileIsReopened) {
    StoreLastProfile("/old/Last.pro");
    EXPECT_EQ(app.ChooseStartupProfile(Line({})), (gb::app::StartupRequest{"/old/Last.pro", true}));
}

TEST_F(StartupTest, NoProfileAtAllGivesANewOneWithoutAMessage) {
    const gb::app::StartupRequest request = app.ChooseStartupProfile(Line({}));
    EXPECT_TRUE(request.path.empty());
    EXPECT_EQ(app.OpenStartupProfile(request, opener, messages), gb::app::StartupResult::Created);
    EXPECT_EQ(opener.calls, std::vector<std::string>{"new"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, AMissingLastProfileIsReportedAndReplacedByANewOne) {
    StoreLastProfile("/gone/Last.pro");
    opener.openSucceeds = false;
    const gb::app::StartupRequest request = app.ChooseStartupProfile(Line({}));
    EXPECT_EQ(app.OpenStartupProfile(request, opener, messages),
              gb::app::StartupResult::CreatedInstead);
    EXPECT_EQ(opener.calls, (std::vector<std::string>{"open /gone/Last.pro", "new"}));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].rfind("The profile you last used cannot be opened.", 0), 0u);
}

TEST_F(StartupTest, AProfileOnTheCommandLineThatCannotBeOpenedEndsStartUp) {
    opener.openSucceeds = false;
    const gb::app::StartupRequest request = app.ChooseStartupProfile(Line({"/bad/Shop.pro"}));
    EXPECT_EQ(app.OpenStartupProfile(request, opener, messages), gb::app::StartupResult::Failed);
    EXPECT_EQ(opener.calls, std::vector<std::string>{"open /bad/Shop.pro"});
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(StartupTest, SettingsGiveTheTemplateLibraryAndItsDefault) {
    app.LoadSettings();
    EXPECT_EQ(app.GetTemplateLibraryName(), "VizEvav.cta");
    EXPECT_EQ(app.GetTemplateLibraryPath(), folder.Path() / "VizEvav.cta");

    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Template\\Settings"), "Library", "Mine.cta"));
    app.SetCurrentTemplateIndex(3);
    app.LoadSettings();
    EXPECT_EQ(app.GetTemplateLibraryName(), "Mine.cta");
    EXPECT_EQ(app.GetCurrentTemplateIndex(), 0);
}

TEST_F(StartupTest, ShutdownKeepsTheProfileAndWritesTheFeeSchedule) {
    app.LoadSettings();
    app.SetProfilePath("/data/Shop.pro");
    app.GetRecentFiles().Add("/data/Shop.pro");
    app.ExitInstance();

    EXPECT_EQ(user.GetString(gb::app::SectionKey("Settings"), "ProfileName"), "/data/Shop.pro");
    EXPECT_TRUE(std::filesystem::exists(folder / "AucField.fee"));
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Recent File List"), "File1"), "/data/Shop.pro");
}

TEST_F(StartupTest, AFeeScheduleThatCouldNotBeReadIsNotWrittenOver) {
    const std::string damaged = "not a fee schedule";
    { std::ofstream(folder / "AucField.fee", std::ios::binary) << damaged; }
    app.LoadSettings();
    app.ExitInstance();
    std::ifstream in(folder / "AucField.fee", std::ios::binary);
    const std::string kept((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(kept, damaged);
}

TEST_F(StartupTest, ShutdownWithoutAProfileKeepsTheOneStoredBefore) {
    StoreLastProfile("/old/Last.pro");
    app.LoadSettings();
    app.ExitInstance();
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Settings"), "ProfileName"), "/old/Last.pro");
}

TEST_F(StartupTest, ShutdownBeforeTheSettingsWereLoadedWritesNothing) {
    ASSERT_TRUE(user.SetString(gb::app::SectionKey("Recent File List"), "File1", "/data/Shop.pro"));
    app.SetProfilePath("/data/Other.pro");
    app.ExitInstance();
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Recent File List"), "File1"), "/data/Shop.pro");
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Settings"), "ProfileName"), "");
    EXPECT_FALSE(std::filesystem::exists(folder / "AucField.fee"));
}

TEST(CommandLineTest, TakesTheFirstFileAndIgnoresUnknownFlags) {
    const std::vector<std::string> arguments{"-x", "/data/A.pro", "B.pro", "-"};
    const gb::app::CommandLine line = gb::app::CommandLine::Parse(arguments);
    EXPECT_EQ(line.fileName, "/data/A.pro");
    EXPECT_TRUE(line.ShowsSplash());
    EXPECT_TRUE(line.ShowsMainWindow());
}

TEST(CommandLineTest, AStartByTheComponentRuntimeShowsNoSplash) {
    for (const char* flag : {"-Embedding", "--embedding", "-AUTOMATION", "--Automation"}) {
        const std::vector<std::string> arguments{flag};
        const gb::app::CommandLine line = gb::app::CommandLine::Parse(arguments);
        EXPECT_FALSE(line.ShowsSplash()) << flag;
        EXPECT_FALSE(line.ShowsMainWindow()) << flag;
        EXPECT_TRUE(line.fileName.empty()) << flag;
    }
}

TEST(SplashScheduleTest, AVisibleMainWindowClosesTheSplashAtTheFirstCheck) {
    gb::app::SplashSchedule schedule;
    EXPECT_EQ(schedule.FirstWait(), 3000);
    EXPECT_FALSE(schedule.OnCheck(true));
}

TEST(SplashScheduleTest, AnInvisibleMainWindowKeepsItUpToEightSeconds) {
    gb::app::SplashSchedule schedule;
    int waited = schedule.FirstWait();
    while (const auto next = schedule.OnCheck(false)) {
        EXPECT_EQ(*next, 100);
        waited += *next;
        ASSERT_LE(waited, 8000);
    }
    EXPECT_EQ(waited, 8000);
}

TEST(SplashScheduleTest, TheWindowShowingMidwayEndsTheWait) {
    gb::app::SplashSchedule schedule;
    ASSERT_TRUE(schedule.OnCheck(false));
    ASSERT_TRUE(schedule.OnCheck(false));
    EXPECT_FALSE(schedule.OnCheck(true));
    EXPECT_EQ(schedule.Elapsed(), 3200);
}

}  // namespace
