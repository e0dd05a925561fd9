// The installation procedure on a small medium made here: two compressed data
// files and the test component libraries.

#include "setup/core/Installation.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>

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
            {"Lotkeeper.png", "Lotkeeper.png", "Lotkeeper.png", 0644},
        },
        {"Server.dll"},
        {{Shortcut::Kind::Program, "Remove.exe", "Gavelbook for Sellers",
          "gavelbook-lotkeeper.desktop", "Test program", true}},
        "Remove.exe",
        "Lotkeeper.png",
    };
}

// Every file and folder below `folder`, sorted.
std::vector<fs::path> AllPaths(const fs::path& folder) {
    std::vector<fs::path> paths;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        paths.push_back(entry.path());
    }
    std::sort(paths.begin(), paths.end());
    return paths;
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
        WriteFileAtomically(medium_ / "Lotkeeper.png", "a picture");
        const std::optional<std::string> library = ReadWholeFile(fs::path(GB_BIN_DIR) / server);
        ASSERT_TRUE(library) << server;
        WriteFileAtomically(medium_ / "Server.dl_", CompressSzdd(*library, 'l'));
    }
    CInstaller MakeInstaller() {
        return CInstaller(medium_, UserFolders::FromEnvironment(), plan_, FakeDesktopTools());
    }
    // The desktop's tools as far as the installation sees them: each writes
    // its cache into the folder it is given, and the calls are noted.
    ProgramRunner FakeDesktopTools() {
        return [this](const std::vector<std::string>& arguments) {
            ran_.push_back(arguments);
            const std::string cache =
                arguments[0] == "update-mime-database" ? "globs2" : "mimeinfo.cache";
            WriteFileAtomically(fs::path(arguments[1]) / cache, "cache");
            return true;
        };
    }
    std::optional<InstallManifest> RecordOf(const fs::path& folder) const {
        const std::optional<std::string> text = ReadWholeFile(folder / kManifestName);
        return text ? InstallManifest::FromText(*text) : std::nullopt;
    }
    fs::path Target() const { return home_.Home() / "Apps" / "Lotkeeper"; }
    std::string UserValue(std::string_view key, std::string_view name) const {
        return Settings::CurrentUser().GetString(
            std::string(kApplication) + "\\" + std::string(key), name, "<none>");
    }

    test::ScratchHome home_;
    fs::path medium_ = home_.Root() / "medium";
    InstallPlan plan_;
    std::vector<std::vector<std::string>> ran_;
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
    EXPECT_EQ(
        Settings::CurrentUser().GetNumber(std::string(kApplication) + "\\Settings", "Spacing", 7),
        1u);
    EXPECT_EQ(UserValue("Export", "Columns"), "-ABCDEFGHIJKL");
    EXPECT_EQ(UserValue("WebSites", "String0"), "https://www.norvel-software.example/");
    EXPECT_EQ(Settings::ForFile(Target() / "machine.settings")
                  .GetString(std::string(kApplication) + "\\Combos", "Weight"),
              "Ounce;Under 1 lb;Over 1 lb;");
    EXPECT_EQ(Settings::CurrentUser().GetString(kUninstallKey, "UninstallString"),
              (Target() / "Remove").string());
    // Desktops start only entries marked executable; both carry the program's icon.
    const fs::path onDesktop = home_.Desktop() / "gavelbook-lotkeeper.desktop";
    const fs::path inMenu =
        home_.DataHome() / "applications" / "gavelbook" / "gavelbook-lotkeeper.desktop";
    EXPECT_NE(fs::status(onDesktop).permissions() & fs::perms::owner_exec, fs::perms::none);
    // A double-click on a profile offers the program, which is given the file.
    for (const fs::path& entry : {onDesktop, inMenu}) {
        const std::optional<std::string> text = ReadWholeFile(entry);
        ASSERT_TRUE(text) << entry;
        for (const std::string& line :
             {"\nIcon=" + (Target() / "Lotkeeper.png").string() + "\n",
              "\nExec=\"" + (Target() / "Remove").string() + "\" %f\n",
              std::string("\nMimeType=application/x-gavelbook-profile;\n")}) {
            EXPECT_NE(text->find(line), std::string::npos) << line << " in\n" << *text;
        }
    }
    fs::path earlier;
    EXPECT_TRUE(MakeInstaller().GetInstalledFolder(earlier));
    EXPECT_EQ(earlier, Target());
    const std::optional<InstallManifest> record = RecordOf(Target());
    ASSERT_TRUE(record);
    ASSERT_EQ(record->servers.size(), 1u);
    EXPECT_EQ(record->servers[0].library, Target() / "libServer.so");
    EXPECT_EQ(record->servers[0].settingsFolder, Target());

    // The user's own profile, and the demonstration profile once worked on
    // (an edit that keeps its length), stay.
    WriteFileAtomically(Target() / "Mine.pro", "mine");
    WriteFileAtomically(Target() / "Demo.pro", "a Profile");
    Settings::CurrentUser().SetString(std::string(kApplication) + "\\Settings", "Mru", "kept");
    ran_.clear();
    const std::vector<fs::path> before = AllPaths(home_.Root());
    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    // Whatever went is in the report, itself or by a folder it went with.
    for (const fs::path& path : before) {
        const bool listed =
            std::any_of(report.removed.begin(), report.removed.end(), [&](const fs::path& gone) {
                return path == gone || path.string().starts_with(gone.string() + '/');
            });
        EXPECT_TRUE(fs::exists(path) || listed) << path;
    }
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(report.kept, std::vector<fs::path>{Target() / "Demo.pro"});
    EXPECT_EQ(report.keptFolders, (std::vector<fs::path>{Target(), Target().parent_path()}));
    std::vector<std::string> left;
    for (const auto& entry : fs::directory_iterator(Target())) {
        left.push_back(entry.path().filename().string());
    }
    std::sort(left.begin(), left.end());
    EXPECT_EQ(left, (std::vector<std::string>{"Demo.pro", "Mine.pro"}));
    EXPECT_FALSE(fs::exists(onDesktop));
    EXPECT_TRUE(fs::exists(home_.Desktop()));
    EXPECT_EQ(UserValue("Settings", "ProfileName"), "<none>");
    EXPECT_EQ(UserValue("Settings", "Mru"), "kept");
    EXPECT_FALSE(Settings::CurrentUser().KeyExists(kUninstallKey));
    // The desktop's databases were built again without the installation's
    // files; the data folders it created hold nothing else and are gone.
    EXPECT_EQ(ran_.size(), 2u);
    EXPECT_FALSE(fs::exists(home_.Home() / ".local"));
    const std::string text = ReportText(report);
    EXPECT_NE(text.find("Removed:\n"), std::string::npos) << text;
    EXPECT_NE(text.find("    " + onDesktop.string() + "\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Kept, as they were changed after the installation:\n    " +
                        (Target() / "Demo.pro").string() + "\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Kept, as they hold files the installation did not make:\n    " +
                        Target().string() + "\n"),
              std::string::npos)
        << text;
}

// Only the folders the installation created go, and only when empty: a
// desktop, a menu folder or a file-type database the user had stays, even
// when the installation's files were all that was in it.
TEST_F(InstallationTest, UninstallKeepsFoldersThatWereThereBefore) {
    MakeMedium("GoodServer.so");
    fs::create_directories(home_.DataHome() / "applications");
    fs::create_directories(home_.DataHome() / "mime" / "packages");
    fs::create_directories(home_.Home() / "Apps");
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    const std::optional<InstallManifest> record = RecordOf(Target());
    ASSERT_TRUE(record);
    EXPECT_EQ(record->folders,
              (std::vector<fs::path>{Target(), home_.DataHome() / "applications" / "gavelbook"}));

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_FALSE(fs::exists(Target()));
    EXPECT_FALSE(fs::exists(home_.DataHome() / "applications" / "gavelbook"));
    EXPECT_TRUE(fs::is_empty(home_.Desktop()));
    EXPECT_TRUE(fs::exists(home_.Home() / "Apps"));
    EXPECT_TRUE(fs::exists(home_.DataHome() / "applications" / "mimeinfo.cache"));
    EXPECT_TRUE(fs::is_empty(home_.DataHome() / "mime" / "packages"));
}

// The desktop folders the installation created may since hold other
// programs' file types and menu entries: those stay, with the folders.
TEST_F(InstallationTest, UninstallKeepsOtherProgramsFilesInFoldersItCreated) {
    MakeMedium("GoodServer.so");
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    const fs::path foreignType = home_.DataHome() / "mime" / "packages" / "other-program.xml";
    const fs::path foreignEntry = home_.DataHome() / "applications" / "other-program.desktop";
    WriteFileAtomically(foreignType, "<mime-info/>");
    WriteFileAtomically(foreignEntry, "[Desktop Entry]\n");

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(ReadWholeFile(foreignType), "<mime-info/>");
    EXPECT_EQ(ReadWholeFile(foreignEntry), "[Desktop Entry]\n");
    EXPECT_FALSE(fs::exists(home_.DataHome() / "mime" / "packages" / "gavelbook-profile.xml"));
    EXPECT_FALSE(fs::exists(home_.DataHome() / "applications" / "gavelbook"));
    for (const fs::path& folder : {home_.DataHome() / "mime" / "packages",
                                   home_.DataHome() / "mime", home_.DataHome() / "applications"}) {
        EXPECT_NE(std::find(report.keptFolders.begin(), report.keptFolders.end(), folder),
                  report.keptFolders.end())
            << folder;
    }
}

// The machine's drop-down lists are the installation's own, whatever lists
// an earlier one or a user left there.
TEST_F(InstallationTest, InstallReplacesTheMachinesDropDownLists) {
    MakeMedium("GoodServer.so");
    fs::create_directories(Target());
    Settings& machine = Settings::ForFile(Target() / "machine.settings");
    const std::string combos = std::string(kApplication) + "\\Combos";
    ASSERT_TRUE(machine.SetString(combos, "Weight", "Heavy;"));
    ASSERT_TRUE(machine.SetString(combos, "Auction Type", "Auction;"));
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    EXPECT_EQ(machine.GetString(combos, "Weight"), "Ounce;Under 1 lb;Over 1 lb;");
    EXPECT_EQ(machine.GetString(combos, "Auction Type"), "Auction;Fixed Price;Store;AutoRenew;");
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
    // The record is written all the same; the medium's own files are not in
    // it, so removing the installation leaves them.
    const std::optional<InstallManifest> record = RecordOf(medium_);
    ASSERT_TRUE(record);
    std::vector<fs::path> files;
    for (const InstalledFile& file : record->files) {
        files.push_back(file.path);
    }
    EXPECT_NE(std::find(files.begin(), files.end(), medium_ / "Demo.pro"), files.end());
    EXPECT_EQ(std::find(files.begin(), files.end(), medium_ / "Readme.txt"), files.end());
    EXPECT_EQ(std::count(record->folders.begin(), record->folders.end(), medium_), 0);
}

// A component registry that already lists other classes keeps them: the
// record names only the keys the registration added.
TEST_F(InstallationTest, ExistingRegistryKeepsItsOtherClasses) {
    MakeMedium("GoodServer.so");
    const std::string other = "CLSID\\{0D1C0A5E-0000-4000-8000-0000000000FF}\\InprocServer32";
    Settings& classes = Settings::ForFile(Target() / "classes.settings");
    fs::create_directories(Target());
    ASSERT_TRUE(classes.SetString(other, "", "/elsewhere/libOther.so"));
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    for (const InstalledKey& key : installer.Record().Manifest().keys) {
        EXPECT_NE(key.key, "CLSID");
    }
    const std::vector<fs::path>& created = installer.Record().Manifest().settingsFiles;
    EXPECT_EQ(std::count(created.begin(), created.end(), classes.File()), 0);

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_EQ(classes.GetString(other, ""), "/elsewhere/libOther.so");
    EXPECT_FALSE(classes.KeyExists("CLSID\\{0D1C0A5E-0000-4000-8000-000000000001}"));
}

// A disk that fills up: writes beyond the limit fail.
TEST_F(InstallationTest, FailedWriteIsReported) {
    MakeMedium("GoodServer.so");
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(installer.SetTargetFolder(Target()));
    rlimit old{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &old), 0);
    const auto oldSignal = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = old;
    small.rlim_cur = 4096;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
    const bool expanded = installer.ExpandFile("Server.dl_");
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, oldSignal);
    EXPECT_FALSE(expanded);
    EXPECT_NE(installer.SetupLog().find("Cannot copy file " + (Target() / "libServer.so").string()),
              std::string::npos)
        << installer.SetupLog();
    EXPECT_FALSE(fs::exists(Target() / "libServer.so"));
}

TEST_F(InstallationTest, MissingFileOnTheMediumIsReported) {
    MakeMedium("GoodServer.so");
    fs::remove(medium_ / "Demo.pr_");
    CInstaller installer = MakeInstaller();
    EXPECT_FALSE(Install(installer, Target()));
    EXPECT_NE(installer.SetupLog().find("Could not expand file " + (medium_ / "Demo.pr_").string()),
              std::string::npos)
        << installer.SetupLog();
}

// The longest folder name leaves room for the names installed below it; each
// part of it may have up to 255 characters.
TEST_F(InstallationTest, FolderNamesUpToTheLimitsAreTaken) {
    const auto folderOfLength = [&](std::size_t length) {
        std::string text = home_.Root().string();
        while (text.size() < length) {
            text += '/' + std::string(std::min<std::size_t>(200, length - text.size() - 1), 'd');
        }
        return fs::path(text);
    };
    const fs::path longest = folderOfLength(PATH_MAX - 65);
    ASSERT_EQ(longest.string().size(), PATH_MAX - 65);
    CInstaller installer = MakeInstaller();
    EXPECT_TRUE(installer.SetTargetFolder(longest)) << installer.SetupLog();
    EXPECT_FALSE(MakeInstaller().SetTargetFolder(folderOfLength(PATH_MAX - 64)));

    const fs::path widest = home_.Root() / std::string(NAME_MAX, 'w');
    EXPECT_TRUE(MakeInstaller().SetTargetFolder(widest));
    CInstaller tooWide = MakeInstaller();
    EXPECT_FALSE(tooWide.SetTargetFolder(home_.Root() / std::string(NAME_MAX + 1, 'w')));
    EXPECT_NE(tooWide.SetupLog().find("The folder name is too long: "), std::string::npos);
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
        {home_.Root() / "rub\x7Fout", "characters that cannot be used"},
        {home_.Root() / "Readme" / "x", "Cannot create directory"},
    };
    WriteFileAtomically(home_.Root() / "Readme", "a file, not a folder");
    const std::vector<fs::path> before = AllPaths(home_.Root());
    for (const auto& [folder, message] : cases) {
        CInstaller installer = MakeInstaller();
        EXPECT_FALSE(Install(installer, folder));
        EXPECT_NE(installer.SetupLog().find(message), std::string::npos) << installer.SetupLog();
        // Nothing is expanded (the medium's folder included), registered or set.
        EXPECT_EQ(AllPaths(home_.Root()), before) << folder;
        EXPECT_EQ(UserValue("Settings", "ProfileName"), "<none>");
    }
}

}  // namespace
}  // namespace gb::setup
