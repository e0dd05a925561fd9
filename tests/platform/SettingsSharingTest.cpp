// Settings shared between processes: concurrent writers and read-only roots.

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/SettingsTestFolder.h"

using gb::test::SettingsTestFolder;

namespace gb {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kKey = "Software\\Norvel Software\\Gavelbook\\Lotkeeper\\Combos";

// Runs `body` in a child process; its result is the child's exit code, or -1
// when the child did not exit normally.
pid_t StartChild(const std::function<int()>& body) {
    const pid_t child = ::fork();
    if (child == 0) {
        ::_exit(body());
    }
    return child;
}

int ExitCodeOf(pid_t child) {
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)) {
        return -1;
    }
    return WEXITSTATUS(status);
}

class SettingsSharingTest : public SettingsTestFolder {};

TEST_F(SettingsSharingTest, TwoProcessesWritingAtOnceKeepEachOthersValues) {
    constexpr int kWrites = 40;
    const fs::path file = Settings::LocalMachine().File();
    int start[2];
    ASSERT_EQ(::pipe(start), 0);
    auto writer = [&](char name) {
        return [&, name] {
            ::close(start[1]);
            char go = 0;
            if (::read(start[0], &go, 1) != 1) {
                return 3;
            }
            // A store of this process's own, as another program would have.
            Settings machine(file);
            for (int i = 0; i < kWrites; ++i) {
                if (!machine.SetString(kKey, std::string(1, name) + std::to_string(i),
                                       std::to_string(i))) {
                    return 1;
                }
            }
            return 0;
        };
    };
    const pid_t first = StartChild(writer('a'));
    const pid_t second = StartChild(writer('b'));
    ::close(start[0]);
    // One byte each lets both children go at the same moment.
    const char go[2] = {1, 1};
    ASSERT_EQ(::write(start[1], go, 2), 2);
    ::close(start[1]);
    EXPECT_EQ(ExitCodeOf(first), 0);
    EXPECT_EQ(ExitCodeOf(second), 0);

    const Settings machine(file);
    for (int i = 0; i < kWrites; ++i) {
        EXPECT_EQ(machine.GetString(kKey, "a" + std::to_string(i)), std::to_string(i));
        EXPECT_EQ(machine.GetString(kKey, "b" + std::to_string(i)), std::to_string(i));
    }
}

TEST_F(SettingsSharingTest, AReadOnlyMachineRootReadsAndRefusesWrites) {
    Settings& machine = Settings::LocalMachine();
    ASSERT_TRUE(machine.SetString(kKey, "Weight", "Ounce;Under 1 lb;Over 1 lb;"));
    const std::string before = ReadWholeFile(machine.File()).value_or("");
    fs::permissions(machine.File().parent_path(),
                    fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                        fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);

    // Run as a user without the right to write there: root may write anywhere.
    enum : int { kReadWrong = 1, kWriteAccepted = 2, kCannotDropRights = 4 };
    const pid_t child = StartChild([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) {
            return int{kCannotDropRights};
        }
        Settings readOnly(machine.File());
        int result = 0;
        if (readOnly.GetString(kKey, "Weight") != "Ounce;Under 1 lb;Over 1 lb;") {
            result |= kReadWrong;
        }
        if (readOnly.SetString(kKey, "Weight", "Pound;") ||
            readOnly.SetString(kKey, "Feedback", "None;")) {
            result |= kWriteAccepted;
        }
        return result;
    });
    const int result = ExitCodeOf(child);
    if (result == kCannotDropRights) {
        GTEST_SKIP() << "cannot run as an unprivileged user";
    }
    EXPECT_EQ(result, 0);
    EXPECT_EQ(ReadWholeFile(machine.File()), before);
}

}  // namespace
}  // namespace gb
