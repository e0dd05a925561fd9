// The installation procedure on a small medium made here: two compressed data
// files and the test component libraries.

#include "setup/core/Installation.h"

#include <gtest/gtest.h>

#include "ScratchHome.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "setup/core/Uninstaller.h"
#include "setup/medium/SzddWriter.h"

namespace gb::setup {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kApplication = "Software\\Norvel Software\\Gavelbook\\Lotkeeper";

InstallPlan SmallPlan() {
    return InstallPlan{
        {
            {"Readme.txt", "Readme.txt", "Readme.txt", 0644},
            {"Demo.pr_", "Demo.pro", "Demo.pro", 0644},
            {"Server.dl_", "Server.dll", "libServer.so", 0755},
            {"Remove.ex_", "Remove.exe", "Remove", 0755},
        },
        {"Server.dll"},
        {{Shortcut::Kind::Program, "Remove.exe", "Gavelbook for Sellers",
          "gavelbook-lotkeeper.desktop", "Test program", true}},
        "Remove.exe",
        "Readme.txt",
    };
}

class InstallationTest : public ::testing::Test {
protected:
    // A medium holding the plan's files, with `server` as the component library.
    void MakeMedium(const std::string& server) {
        plan_ = SmallPlan();
        fs::create_directories(medium_);
        WriteFileAtomically(medium_ / "Readme.txt", "Read me.");
        WriteFileAtomically(medium_ / "Demo.pr_", CompressSzdd("a profile", 'o'));
        WriteFileAtomically(medium_ / "Remove.ex_", CompressSzdd("#!/bin/sh\n", 'e'));
        const std::optional<std::string> library = ReadWholeFile(fs::path(GB_BIN_DIR) / server);
        ASSERT_TRUE(library) << server;
        WriteFileAtomically(medium_ / "Server.dl_", CompressSzdd(*library, 'l'));
    }
    CInstaller MakeInstaller() {
        return CInstaller(medium_, UserFolders::FromEnvironment(), plan_,
                          [](const std::vector<std::string>&) { return true; });
    }
    fs::path Target() const { return home_.Home() / "Apps" / "Lotkeeper"; }
    std::string UserValue(std::string_view key, std::string_view name) const {
        return Settings::CurrentUser().GetString(
            std::string(kApplication) + "\\" + std::string(key), name, "<none>");
    }

    test::ScratchHome home_;
    fs::path medium_ = home_.Root() / "medium";
    InstallPlan plan_;
};

TEST_F(InstallationTest, InstallsAndUninstallsLeavingTheUsersFiles) {
    MakeMedium("GoodServer.so");
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();

    EXPECT_EQ(ReadWholeFile(Target() / "Demo.pro"), "a profile");
    EXPECT_NE(fs::status(Target() / "Remove").permissions() & fs::perms::owner_exec,
              fs::perms::none);
    const Settings& classes = Settings::ForFile(Target() / "classes.settings");
    EXPECT_EQ(
        classes.GetString("CLSID\\{0D1C0A5E-0000-4000-8000-000000000001}\\InprocServer32", ""),
        (Target() / "libServer.so").string());
    EXPECT_EQ(UserValue("Settings", "ProfileName"), (Target() / "Demo.pro").string());
    EXPECT_EQ(UserValue("Export", "Columns"), "-ABCDEFGHIJKL");
    EXPECT_EQ(Settings::ForFile(Target() / "machine.settings")
                  .GetString(std::string(kApplication) + "\\Combos", "Weight"),
              "Ounce;Under 1 lb;Over 1 lb;");
    EXPECT_EQ(Settings::CurrentUser().GetString(kUninstallKey, "UninstallString"),
              (Target() / "Remove").string());
    EXPECT_TRUE(fs::exists(home_.Desktop() / "gavelbook-lotkeeper.desktop"));
    EXPECT_TRUE(fs::exists(home_.DataHome() / "applications" / "gavelbook" /
                           "gavelbook-lotkeeper.desktop"));
    fs::path earlier;
    EXPECT_TRUE(MakeInstaller().GetInstalledFolder(earlier));
    EXPECT_EQ(earlier, Target());

    // The user's own profile, and the demonstration profile once worked on, stay.
    WriteFileAtomically(Target() / "Mine.pro", "mine");
    WriteFileAtomically(Target() / "Demo.pro", "changed");
    Settings::CurrentUser().SetString(std::string(kApplication) + "\\Settings", "Mru", "kept");
    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(),
                        [](const std::vector<std::string>&) { return true; });
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(report.kept, std::vector<fs::path>{Target() / "Demo.pro"});
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(Target())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Demo.pro", "Mine.pro"}));
    EXPECT_FALSE(fs::exists(home_.Desktop() / "gavelbook-lotkeeper.desktop"));
    EXPECT_FALSE(fs::exists(home_.DataHome() / "applications" / "gavelbook"));
    EXPECT_EQ(UserValue("Settings", "ProfileName"), "<none>");
    EXPECT_EQ(UserValue("Settings", "Mru"), "kept");
    EXPECT_FALSE(Settings::CurrentUser().KeyExists(kUninstallKey));
}

TEST_F(InstallationTest, FailedRegistrationFailsTheInstallation) {
    MakeMedium("FailingServer.so");
    CInstaller installer = MakeInstaller();
    EXPECT_FALSE(Install(installer, Target()));
    EXPECT_NE(installer.SetupLog().find(
                  "Could not register the COM servers. Close other programs and try again."),
              std::string::npos);
    EXPECT_EQ(UserValue("Settings", "ProfileName"), "<none>");
    // What the failed registration wrote is in the record, for the uninstaller.
    EXPECT_FALSE(installer.Record().Manifest().keys.empty());
}

TEST_F(InstallationTest, DamagedFileStopsBeforeAnythingIsRegistered) {
    MakeMedium("GoodServer.so");
    const std::optional<std::string> library = ReadWholeFile(medium_ / "Server.dl_");
    WriteFileAtomically(medium_ / "Server.dl_", library->substr(0, library->size() / 2));
    CInstaller installer = MakeInstaller();
    EXPECT_FALSE(Install(installer, Target()));
    EXPECT_NE(installer.SetupLog().find("File is corrupt: " + (medium_ / "Server.dl_").string()),
              std::string::npos);
    EXPECT_FALSE(fs::exists(Target() / "libServer.so"));
    EXPECT_FALSE(fs::exists(Target() / "classes.settings"));
}

TEST_F(InstallationTest, WithoutADesktopTheMenuShortcutIsEnough) {
    MakeMedium("GoodServer.so");
    fs::remove(home_.Desktop());
    CInstaller installer = MakeInstaller();
    EXPECT_TRUE(Install(installer, Target())) << installer.SetupLog();
    EXPECT_EQ(installer.CreateShortcuts(plan_.shortcuts[0]), 1);
}

TEST_F(InstallationTest, MachineSettingsThatCannotBeWrittenAreMinor) {
    MakeMedium("GoodServer.so");
    // A file where the settings folder should be: nothing can be written there.
    WriteFileAtomically(home_.Root() / "blocked", "");
    home_.Set("GAVELBOOK_MACHINE_SETTINGS", (home_.Root() / "blocked").string());
    plan_.servers.clear();
    CInstaller installer = MakeInstaller();
    EXPECT_TRUE(Install(installer, Target())) << installer.SetupLog();
    EXPECT_NE(installer.SetupLog().find("Problem is minor, will continue with the installation."),
              std::string::npos);
}

TEST_F(InstallationTest, InstallingIntoTheMediumFolderKeepsItsFiles) {
    MakeMedium("GoodServer.so");
    CInstaller installer = MakeInstaller();
    EXPECT_TRUE(Install(installer, medium_)) << installer.SetupLog();
    EXPECT_EQ(ReadWholeFile(medium_ / "Readme.txt"), "Read me.");
    EXPECT_EQ(ReadWholeFile(medium_ / "Demo.pro"), "a profile");
}

TEST_F(InstallationTest, RefusesFoldersItCannotUse) {
    MakeMedium("GoodServer.so");
    const struct {
        fs::path folder;
        std::string message;
    } cases[] = {
        {fs::path("/") / std::string(300, 'a'), "The folder name is too long: "},
        {home_.Root() / std::string(5000, 'b').insert(100, "/"), "The folder name is too long: "},
        {home_.Root() / "two\nlines", "characters that cannot be used"},
        {home_.Root() / "Readme" / "x", "Cannot create directory"},
    };
    WriteFileAtomically(home_.Root() / "Readme", "a file, not a folder");
    for (const auto& [folder, message] : cases) {
        CInstaller installer = MakeInstaller();
        EXPECT_FALSE(Install(installer, folder));
        EXPECT_NE(installer.SetupLog().find(message), std::string::npos) << installer.SetupLog();
    }
}

}  // namespace
}  // namespace gb::setup
