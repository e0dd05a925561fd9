#include "ChildProcess.h"

#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fcntl.h>

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <utility>

extern char** environ;

namespace gb::e2e {

ChildProcess::ChildProcess(const std::string& program, const std::vector<std::string>& arguments) {
    int pipeEnds[2];
    if (::pipe2(pipeEnds, O_CLOEXEC) != 0) {
        throw std::runtime_error("no pipe for " + program);
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    std::vector<char*> argv;
    argv.push_back(const_cast<char*>(program.c_str()));
    for (const std::string& argument : arguments) {
        argv.push_back(const_cast<char*>(argument.c_str()));
    }
    argv.push_back(nullptr);
    const int failed = posix_spawn(&pid_, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    ::close(pipeEnds[1]);
    output_ = pipeEnds[0];
    if (failed != 0) {
        ::close(output_);
        throw std::runtime_error("cannot start " + program + ": " + std::strerror(failed));
    }
}

ChildProcess::~ChildProcess() {
    if (!status_) {
        Signal(SIGKILL);
        Wait();
    }
    ::close(output_);
}

bool ChildProcess::Receive(std::chrono::milliseconds limit) {
    pollfd wait{output_, POLLIN, 0};
    if (::poll(&wait, 1, static_cast<int>(limit.count())) <= 0) {
        return false;
    }
    char buffer[4096];
    const ssize_t received = ::read(output_, buffer, sizeof buffer);
    if (received <= 0) {
        return false;
    }
    pending_.append(buffer, static_cast<std::size_t>(received));
    return true;
}

std::optional<std::string> ChildProcess::ReadLine(std::chrono::milliseconds limit) {
    const auto deadline = std::chrono::steady_clock::now() + limit;
    for (;;) {
        if (const std::size_t end = pending_.find('\n'); end != std::string::npos) {
            std::string line = pending_.substr(0, end);
            pending_.erase(0, end + 1);
            return line;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !Receive(left)) {
            return std::nullopt;
        }
    }
}

std::string ChildProcess::ReadAll() {
    while (Receive(std::chrono::minutes(2))) {
    }
    return std::exchange(pending_, {});
}

void ChildProcess::Signal(int signal) {
    if (!status_) {
        ::kill(pid_, signal);
    }
}

int ChildProcess::Wait() {
    if (!status_) {
        int status = 0;
        while (::waitpid(pid_, &status, 0) < 0 && errno == EINTR) {
        }
        status_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    }
    return *status_;
}

}  // namespace gb::e2e
