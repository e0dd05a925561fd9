#pragma once
// A program the test starts, with its standard output read through a pipe.
// The environment is the test's own.

#include <sys/types.h>

#include <chrono>
#include <optional>
#include <string>
#include <vector>

namespace gb::e2e {

class ChildProcess {
public:
    // Throws std::runtime_error when the program cannot be started.
    ChildProcess(const std::string& program, const std::vector<std::string>& arguments);
    // Kills the program if it still runs, and waits for it.
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // The next line of output without its line end; nothing when the output
    // ends or no line comes within `limit`.
    std::optional<std::string> ReadLine(std::chrono::milliseconds limit);
    // The rest of the output, until the program closes it.
    std::string ReadAll();

    void Signal(int signal);
    // Waits for the program to end: its exit code, or 128 plus the signal
    // that ended it.
    int Wait();

private:
    // Appends what arrives within `limit`; false when the output has ended or
    // nothing came.
    bool Receive(std::chrono::milliseconds limit);

    pid_t pid_ = -1;
    int output_ = -1;
    std::string pending_;
    std::optional<int> status_;
};

}  // namespace gb::e2e
