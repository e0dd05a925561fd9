// The installation procedure on a small medium made here: two compressed data
// files and the test component libraries.

#include "setup/core/Installation.h"

#include <gtest/gtest.h>
#include <limits.h>
#include <sys/resource.h>

#include <algorithm>
#include <csignal>
#include <map>

#include "RunningProgram.h"
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

// Every file below `folder` with its contents, and every folder (as "/").
std::map<fs::path, std::string> Contents(const fs::path& folder) {
    std::map<fs::path, std::string> contents;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
        contents[entry.path()] =
            entry.is_directory() ? std::string("/") : ReadWholeFile(entry.path()).value_or("?");
    }
    return contents;
}

// The keys below `key` that hold neither values nor keys, by their paths.
void CollectEmptyKeys(const SettingsKey& key, const std::string& path,
                      std::vector<std::string>& empty) {
    for (const SettingsKey* child : key.SubKeys()) {
        const std::string childPath = path.empty() ? child->Name() : path + '\\' + child->Name();
        if (child->Values().empty() && !child->HasSubKeys()) {
            empty.push_back(childPath);
        }
        CollectEmptyKeys(*child, childPath, empty);
    }
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
    // The settings folder the installation made holds the user's settings now.
    const fs::path settingsFolder = home_.UserSettings().parent_path();
    EXPECT_EQ(report.keptFolders,
              (std::vector<fs::path>{settingsFolder, settingsFolder.parent_path(), Target(),
                                     Target().parent_path()}));
    EXPECT_EQ(report.keptSettings, std::vector<fs::path>{home_.UserSettings()});
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
                        settingsFolder.string() + "\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Kept, as they hold settings the installation did not write:\n    " +
                        home_.UserSettings().string() + "\n"),
              std::string::npos)
        << text;
}

// Setup run again into the same folder adds to the record of the first
// installation: Remove takes away what either made, and the home folder is
// as it was before.
TEST_F(InstallationTest, ReinstallIntoTheSameFolderThenRemoveLeavesTheHomeAsItWas) {
    MakeMedium("GoodServer.so");
    const std::map<fs::path, std::string> before = Contents(home_.Home());
    for (int run = 0; run < 2; ++run) {
        CInstaller installer = MakeInstaller();
        ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    }
    const std::optional<InstallManifest> record = RecordOf(Target());
    ASSERT_TRUE(record);
    EXPECT_NE(std::find(record->folders.begin(), record->folders.end(), Target()),
              record->folders.end());
    EXPECT_FALSE(record->settingsFiles.empty());

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.Complete()) << ReportText(report);
    EXPECT_EQ(ReportSummary(report), "Gavelbook was removed.");
    EXPECT_EQ(Contents(home_.Home()), before);
}

// A record Setup cannot read is put aside, not overwritten, and said so.
TEST_F(InstallationTest, UnreadableEarlierRecordIsKeptAside) {
    MakeMedium("GoodServer.so");
    fs::create_directories(Target());
    WriteFileAtomically(Target() / kManifestName, "not a record\n");
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();
    EXPECT_NE(installer.SetupLog().find("The list of an earlier installation cannot be read"),
              std::string::npos)
        << installer.SetupLog();
    EXPECT_EQ(ReadWholeFile(Target() / "Installed.lst.unreadable"), "not a record\n");
    EXPECT_TRUE(RecordOf(Target()));
}

// Settings files the user had before keep their other sections, and no
// section of the programs is left in them, not even an empty one.
TEST_F(InstallationTest, RemoveLeavesNoEmptySectionInSettingsFilesItShares) {
    MakeMedium("GoodServer.so");
    fs::create_directories(Target());
    Settings& user = Settings::CurrentUser();
    Settings& machine = Settings::ForFile(Target() / "machine.settings");
    for (Settings* settings : {&user, &machine}) {
        ASSERT_TRUE(settings->SetString("Software\\Other Maker\\Tool", "Kept", "yes"));
    }
    const std::optional<std::string> userBefore = ReadWholeFile(user.File());
    const std::optional<std::string> machineBefore = ReadWholeFile(machine.File());
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    for (Settings* settings : {&user, &machine}) {
        const std::shared_ptr<const SettingsKey> tree = settings->Snapshot();
        ASSERT_TRUE(tree) << settings->File();
        std::vector<std::string> empty;
        CollectEmptyKeys(*tree, {}, empty);
        EXPECT_TRUE(empty.empty()) << settings->File() << ": " << empty.front();
    }
    EXPECT_EQ(ReadWholeFile(user.File()), userBefore);
    EXPECT_EQ(ReadWholeFile(machine.File()), machineBefore);
}

// While a program of the installation runs, Remove asks for it to be closed
// and changes nothing until it is; cancelling leaves every file.
TEST_F(InstallationTest, RemoveWaitsWhileAProgramOfTheInstallationRuns) {
    MakeMedium("GoodServer.so");
    const std::optional<std::string> program = ReadWholeFile("/bin/sleep");
    ASSERT_TRUE(program);
    WriteFileAtomically(medium_ / "Lotkeeper.ex_", CompressSzdd(*program, 'e'));
    plan_.files.push_back({"Lotkeeper.ex_", "Lotkeeper.exe", "Lotkeeper", 0755});
    const std::map<fs::path, std::string> beforeInstall = Contents(home_.Home());
    CInstaller installer = MakeInstaller();
    ASSERT_TRUE(Install(installer, Target())) << installer.SetupLog();

    test::RunningProgram lotkeeper(Target() / "Lotkeeper");
    ASSERT_TRUE(lotkeeper.Started());
    EXPECT_EQ(RunningPrograms(Target()).Find(), std::vector<std::string>{"Lotkeeper"});
    const std::map<fs::path, std::string> installed = Contents(home_.Root());
    std::vector<std::string> asked;
    const auto cancel = [&](const std::string& text) {
        asked.push_back(text);
        return RunningPrograms::Answer::Cancel;
    };
    EXPECT_FALSE(
        RemoveInstallation(Target(), UserFolders::FromEnvironment(), FakeDesktopTools(), cancel));
    ASSERT_EQ(asked.size(), 1u);
    EXPECT_EQ(asked[0], "Lotkeeper is running from " + Target().string() +
                            ". Close it first: nothing is changed while it runs.");
    EXPECT_EQ(Contents(home_.Root()), installed);

    // Retry while it still runs asks again; once it is closed, Remove goes on.
    const auto closeOnSecondAsk = [&](const std::string& text) {
        asked.push_back(text);
        if (asked.size() == 3) {
            lotkeeper.Close();
        }
        return RunningPrograms::Answer::Retry;
    };
    const std::optional<UninstallReport> report = RemoveInstallation(
        Target(), UserFolders::FromEnvironment(), FakeDesktopTools(), closeOnSecondAsk);
    ASSERT_TRUE(report);
    EXPECT_EQ(asked.size(), 3u);
    EXPECT_TRUE(report->Complete()) << ReportText(*report);
    EXPECT_EQ(Contents(home_.Home()), beforeInstall);
}

// Only a live process started from a program file of the folder counts.
TEST_F(InstallationTest, OnlyProgramsOfTheFolderThatRunAreFound) {
    fs::create_directories(Target());
    fs::copy_file("/bin/sleep", home_.Root() / "Lotkeeper");
    test::RunningProgram elsewhere(home_.Root() / "Lotkeeper");
    ASSERT_TRUE(elsewhere.Started());
    EXPECT_TRUE(RunningPrograms(Target()).Find().empty());
    EXPECT_EQ(RunningPrograms(home_.Root()).Find(), std::vector<std::string>{"Lotkeeper"});
    elsewhere.Close();
    const fs::path lock = InstanceLock(kLotkeeperInstanceName).File();
    for (const std::string& text : {std::string(), std::string("garbage\n"),
                                    std::string("2147483647\n"), std::string("-1\n")}) {
        WriteFileAtomically(lock, text);
        EXPECT_TRUE(RunningPrograms(home_.Root()).Find().empty()) << text;
        bool asked = false;
        EXPECT_TRUE(RunningPrograms(home_.Root()).AwaitClosed([&](const std::string&) {
            asked = true;
            return RunningPrograms::Answer::Cancel;
        }));
        EXPECT_FALSE(asked) << text;
    }
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
    const fs::path settingsFolder = home_.UserSettings().parent_path();
    EXPECT_EQ(record->folders,
              (std::vector<fs::path>{Target(), settingsFolder.parent_path(), settingsFolder,
                                     home_.DataHome() / "applications" / "gavelbook"}));

    const UninstallReport report =
        UninstallFolder(Target(), UserFolders::FromEnvironment(), FakeDesktopTools());
    EXPECT_TRUE(report.problems.empty()) << report.problems.front();
    EXPECT_FALSE(fs::exists(Target()));
    EXPECT_FALSE(fs::exists(home_.DataHome() / "applications" / "gavelbook"));
    EXPECT_TRUE(fs::is_empty(home_.Desktop()));
    EXPECT_TRUE(fs::exists(home_.Home() / "Apps"));
    EXPECT_TRUE(fs::exists(home_.DataHome() / "applications" / "mimeinfo.cache"));
    EXPECT_TRUE(fs::is_empty(home_.DataHome() / "mime" / "packages"));
    EXPECT_FALSE(fs::exists(settingsFolder.parent_path()));
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
