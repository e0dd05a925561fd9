#pragma once
// A program of an installation, running, as Setup and Remove find it: a
// process started from a program file (a copy of sleep stands in for
// Lotkeeper), holding Lotkeeper's single-instance lock as Lotkeeper does while
// it runs. It ends with Close, or at the latest with the test.

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <string>

#include "interfaces/InstanceNames.h"
#include "platform/FileIo.h"
#include "platform/InstanceLock.h"

extern char** environ;

namespace gb::test {

class RunningProgram {
public:
    explicit RunningProgram(const std::filesystem::path& program) {
        const std::string path = program.string();
        char* argv[] = {const_cast<char*>(path.c_str()), const_cast<char*>("600"), nullptr};
        // Nothing of the test's output stays open in it.
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        for (const int output : {STDOUT_FILENO, STDERR_FILENO}) {
            posix_spawn_file_actions_addopen(&actions, output, "/dev/null", O_WRONLY, 0);
        }
        started_ = ::posix_spawn(&child_, path.c_str(), &actions, nullptr, argv, environ) == 0;
        posix_spawn_file_actions_destroy(&actions);
        if (started_) {
            WriteFileAtomically(InstanceLock(kLotkeeperInstanceName).File(),
                                std::to_string(child_) + "\nLotkeeper\nthis-host\n");
        }
    }
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;
    ~RunningProgram() { Close(); }

    bool Started() const { return started_; }
    // Ends the program. Like Lotkeeper's, its lock file stays behind, naming
    // a process that has ended.
    void Close() {
        if (started_) {
            ::kill(child_, SIGKILL);
            int status = 0;
            ::waitpid(child_, &status, 0);
            started_ = false;
        }
    }

private:
    pid_t child_ = 0;
    bool started_ = false;
};

}  // namespace gb::test
