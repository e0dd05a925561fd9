// Installs from the install medium the build wrote, into a scratch home, runs
// what was installed and removes it again.

#include <gtest/gtest.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "ScratchHome.h"
#include "interfaces/ClassIds.h"
#include "interfaces/InstanceNames.h"
#include "platform/ComponentRegistry.h"
#include "platform/FileIo.h"
#include "platform/InstanceLock.h"
#include "setup/core/Installation.h"

extern char** environ;

// The medium is built with the programs, so only a build with Qt has it.
#ifdef GB_MEDIUM_DIR

namespace gb::setup {
namespace {

namespace fs = std::filesystem;

struct Outcome {
    int status = -1;
    std::string output;
};

// Runs a shell command line and gives its exit status and everything it printed.
Outcome RunCommand(const std::string& command) {
    Outcome outcome;
    FILE* pipe = ::popen((command + " 2>&1").c_str(), "r");
    if (pipe == nullptr) {
        return outcome;
    }
    char buffer[4096];
    while (const std::size_t got = std::fread(buffer, 1, sizeof buffer, pipe)) {
        outcome.output.append(buffer, got);
    }
    const int status = ::pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return outcome;
}

std::string Quoted(const fs::path& path) {
    return "'" + path.string() + "'";
}

class MediumInstallTest : public ::testing::Test {
protected:
    fs::path Target() const { return home_.Home() / ".local" / "opt" / "Lotkeeper"; }
    ComponentRegistry Registry() const {
        return ComponentRegistry(Settings::ForFile(Target() / "classes.settings"));
    }

    test::ScratchHome home_;
};

TEST_F(MediumInstallTest, InstallsRunsAndRemovesTheSystem) {
    // The user's own desktop and menu folder, empty, must survive the removal,
    // and the file-type database the user has forgets the profile type.
    const fs::path applications = home_.DataHome() / "applications";
    fs::create_directories(applications);
    fs::create_directories(home_.DataHome() / "mime" / "packages");
    ASSERT_TRUE(fs::is_empty(home_.Desktop()));
    CInstaller installer(GB_MEDIUM_DIR, UserFolders::FromEnvironment());
    ASSERT_TRUE(Install(installer, installer.User().DefaultTarget())) << installer.SetupLog();

    for (const Guid& clsid : {CLSID_eBayUSA, CLSID_eBayGER, CLSID_WebSource}) {
        const std::optional<ClassRegistration> found = Registry().FindClass(clsid);
        ASSERT_TRUE(found) << clsid.ToString();
        EXPECT_EQ(fs::path(found->libraryPath).parent_path(), Target());
    }
    std::vector<CategoryMember> sites;
    ASSERT_EQ(Registry().ClassesOfCategory(CATID_GavelbookSiteSources, sites), S_OK);
    EXPECT_EQ(sites.size(), 9u);

    const fs::path entries[] = {
        home_.Desktop() / "gavelbook-lotkeeper.desktop",
        home_.Desktop() / "gavelbook-help.desktop",
        home_.DataHome() / "applications" / "gavelbook" / "gavelbook-lotkeeper.desktop",
        home_.DataHome() / "applications" / "gavelbook" / "gavelbook-help.desktop",
    };
    for (const fs::path& entry : entries) {
        const Outcome valid = RunCommand("desktop-file-validate " + Quoted(entry));
        EXPECT_EQ(valid.status, 0) << entry << "\n" << valid.output;
        EXPECT_EQ(valid.output, "") << entry;
    }
    EXPECT_TRUE(fs::exists(home_.DataHome() / "mime" / "packages" / "gavelbook-profile.xml"));
    const fs::path globs = home_.DataHome() / "mime" / "globs2";
    EXPECT_NE(ReadWholeFile(globs).value_or("").find("x-gavelbook-profile:*.pro"),
              std::string::npos);

    // The installed program starts as the developers' layout does: double
    // spacing, and the drop-down lists of the item sheet filled.
    const std::string programKey(kApplicationKey);
    EXPECT_EQ(Settings::CurrentUser().GetNumber(programKey + "\\Settings", "Spacing", 7), 1u);
    EXPECT_EQ(Settings::ForFile(Target() / "machine.settings")
                  .GetString(programKey + "\\Combos", "Auction Type"),
              "Auction;Fixed Price;Store;AutoRenew;");

    const Outcome dump = RunCommand(Quoted(fs::path(GB_BIN_DIR) / "gbtool") + " dump-profile " +
                                    Quoted(Target() / "Demo.pro"));
    EXPECT_EQ(dump.status, 0) << dump.output;

    const std::optional<std::string> record = ReadWholeFile(Target() / kManifestName);
    ASSERT_TRUE(record);
    const std::optional<InstallManifest> manifest = InstallManifest::FromText(*record);
    ASSERT_TRUE(manifest);

    // The installed main program starts on the demonstration profile and keeps
    // running: it found its libraries beside itself.
    const std::string program = (Target() / "Lotkeeper").string();
    const std::string profile = (Target() / "Demo.pro").string();
    std::vector<std::string> environment{"QT_QPA_PLATFORM=offscreen"};
    for (char** variable = environ; *variable != nullptr; ++variable) {
        environment.emplace_back(*variable);
    }
    std::vector<char*> envp;
    for (std::string& variable : environment) {
        envp.push_back(variable.data());
    }
    envp.push_back(nullptr);
    char* argv[] = {const_cast<char*>(program.c_str()), const_cast<char*>(profile.c_str()),
                    nullptr};
    pid_t child = 0;
    ASSERT_EQ(::posix_spawn(&child, program.c_str(), nullptr, nullptr, argv, envp.data()), 0);
    std::this_thread::sleep_for(std::chrono::seconds(3));
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, WNOHANG), 0) << "Lotkeeper ended early: " << status;

    // While it runs (it holds its lock), Remove on a terminal without input
    // says so and removes nothing.
    const InstanceLock lock(kLotkeeperInstanceName);
    for (int attempt = 0; attempt < 600 && lock.HolderProgram() != Target() / "Lotkeeper";
         ++attempt) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
    }
    EXPECT_EQ(lock.HolderProgram(), Target() / "Lotkeeper");
    const Outcome refused = RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " +
                                       Quoted(Target() / "Remove") + " </dev/null");
    EXPECT_EQ(refused.status, 1) << refused.output;
    EXPECT_NE(refused.output.find("Lotkeeper is running from " + Target().string()),
              std::string::npos)
        << refused.output;
    EXPECT_NE(refused.output.find("Nothing was removed."), std::string::npos) << refused.output;
    for (const InstalledFile& file : manifest->files) {
        EXPECT_TRUE(fs::exists(file.path)) << file.path;
    }
    EXPECT_TRUE(Registry().FindClass(CLSID_eBayUSA));
    ::kill(child, SIGKILL);
    ::waitpid(child, &status, 0);

    // The page reader is installed beside the retrieval library, as a program.
    EXPECT_TRUE(std::any_of(
        manifest->files.begin(), manifest->files.end(),
        [&](const InstalledFile& file) { return file.path == Target() / "PageReader"; }));
    EXPECT_NE(fs::status(Target() / "PageReader").permissions() & fs::perms::owner_exec,
              fs::perms::none);

    // Remove takes away everything Setup installed and leaves the user's profile.
    WriteFileAtomically(Target() / "Mine.pro", "my profile");
    // Without a display, Remove tells what it did on the terminal only.
    const Outcome removed =
        RunCommand("env -u DISPLAY -u WAYLAND_DISPLAY " + Quoted(Target() / "Remove"));
    EXPECT_EQ(removed.status, 0) << removed.output;
    EXPECT_NE(removed.output.find("Removed:\n"), std::string::npos) << removed.output;
    EXPECT_NE(removed.output.find("    " + (Target() / "Lotkeeper").string() + "\n"),
              std::string::npos)
        << removed.output;
    EXPECT_NE(removed.output.find("Kept, as they hold files the installation did not make:\n    " +
                                  Target().string() + "\n"),
              std::string::npos)
        << removed.output;
    EXPECT_TRUE(fs::is_directory(home_.Desktop()));
    EXPECT_TRUE(fs::is_directory(applications));
    EXPECT_FALSE(fs::exists(applications / "gavelbook"));
    const std::optional<std::string> globsAfter = ReadWholeFile(globs);
    ASSERT_TRUE(globsAfter);
    EXPECT_EQ(globsAfter->find("gavelbook"), std::string::npos) << *globsAfter;
    for (const InstalledFile& file : manifest->files) {
        EXPECT_FALSE(fs::exists(file.path)) << file.path;
    }
    for (const fs::path& file : manifest->settingsFiles) {
        EXPECT_FALSE(fs::exists(file)) << file;
    }
    EXPECT_FALSE(Registry().FindClass(CLSID_eBayUSA));
    EXPECT_FALSE(Settings::CurrentUser().KeyExists(kUninstallKey));
    EXPECT_FALSE(Settings::CurrentUser().KeyExists("Software\\Norvel Software"));
    EXPECT_EQ(ReadWholeFile(Target() / "Mine.pro"), "my profile");
}

TEST_F(MediumInstallTest, DamagedFileOnTheMediumFailsBeforeRegistration) {
    const fs::path medium = home_.Root() / "medium";
    fs::copy(GB_MEDIUM_DIR, medium);
    const std::optional<std::string> library = ReadWholeFile(medium / "Fetchwell.dl_");
    ASSERT_TRUE(library);
    WriteFileAtomically(medium / "Fetchwell.dl_", library->substr(0, library->size() - 4096));

    CInstaller installer(medium, UserFolders::FromEnvironment());
    EXPECT_FALSE(Install(installer, Target()));
    EXPECT_NE(installer.SetupLog().find("File is corrupt: " + (medium / "Fetchwell.dl_").string()),
              std::string::npos)
        << installer.SetupLog();
    EXPECT_FALSE(fs::exists(Target() / "libFetchwell.so"));
    EXPECT_FALSE(fs::exists(Target() / "classes.settings"));
    EXPECT_FALSE(fs::exists(home_.UserSettings()));
}

}  // namespace
}  // namespace gb::setup

#endif  // GB_MEDIUM_DIR
