#include "retrieval/browser/ReaderProcess.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

extern char** environ;

namespace gb::retrieval {

namespace {

using Clock = std::chrono::steady_clock;

std::system_error SystemError(const char* what) {
    return std::system_error(errno, std::generic_category(), what);
}

// A descriptor closed when it goes.
class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() { Close(); }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int Get() const { return fd_; }
    void Reset(int fd) {
        Close();
        fd_ = fd;
    }
    void Close() {
        if (fd_ >= 0) {
            close(fd_);
            fd_ = -1;
        }
    }

private:
    int fd_;
};

class SpawnActions {
public:
    SpawnActions() { posix_spawn_file_actions_init(&actions_); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;

    posix_spawn_file_actions_t* Get() { return &actions_; }

private:
    posix_spawn_file_actions_t actions_;
};

// Starts `program` with one end of a socket pair as its input and output; the
// other end is ours. (A socket rather than pipes: writing to it never raises
// SIGPIPE in this process when the reader has gone.)
pid_t Spawn(const std::filesystem::path& program, Descriptor& ours) {
    int ends[2];
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) {
        throw SystemError("socketpair");
    }
    ours.Reset(ends[0]);
    const Descriptor theirs(ends[1]);
    SpawnActions actions;
    posix_spawn_file_actions_adddup2(actions.Get(), theirs.Get(), STDIN_FILENO);
    posix_spawn_file_actions_adddup2(actions.Get(), theirs.Get(), STDOUT_FILENO);
    const std::string path = program.string();
    char* argv[] = {const_cast<char*>(path.c_str()), nullptr};
    pid_t child = 0;
    const int error = posix_spawn(&child, path.c_str(), actions.Get(), nullptr, argv, environ);
    if (error != 0) {
        errno = error;
        throw SystemError("posix_spawn");
    }
    if (fcntl(ours.Get(), F_SETFL, O_NONBLOCK) != 0) {
        const std::system_error failure = SystemError("fcntl");
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        throw failure;
    }
    return child;
}

// Waits for `child` and fills in what it used.
void Reap(pid_t child, ReaderProcess::Result& result) {
    rusage usage{};
    int status = 0;
    while (wait4(child, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    result.status = status;
    const auto microseconds = [](const timeval& time) {
        return std::chrono::seconds(time.tv_sec) + std::chrono::microseconds(time.tv_usec);
    };
    result.cpuTime = microseconds(usage.ru_utime) + microseconds(usage.ru_stime);
}

}  // namespace

ReaderProcess::Result ReaderProcess::Run(const std::filesystem::path& program,
                                         std::string_view input, std::size_t maxAnswerBytes,
                                         std::chrono::milliseconds backstop) {
    Descriptor socket;
    const pid_t child = Spawn(program, socket);
    // Readable once the child has ended: its output closed alone says less.
    const Descriptor exited(static_cast<int>(syscall(SYS_pidfd_open, child, 0)));

    Result result;
    const Clock::time_point deadline = Clock::now() + backstop;
    bool writing = true;
    if (input.empty()) {
        shutdown(socket.Get(), SHUT_WR);
        writing = false;
    }
    bool reading = true;
    char block[64 * 1024];
    while (reading) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0) {
            result.end = Result::End::TimedOut;
            break;
        }
        pollfd watched{socket.Get(), static_cast<short>(POLLIN | (writing ? POLLOUT : 0)), 0};
        if (poll(&watched, 1, static_cast<int>(left.count())) < 0 && errno != EINTR) {
            result.end = Result::End::TimedOut;
            break;
        }
        if (writing && (watched.revents & (POLLOUT | POLLERR | POLLHUP)) != 0) {
            const ssize_t sent = send(socket.Get(), input.data(), input.size(), MSG_NOSIGNAL);
            if (sent > 0) {
                input.remove_prefix(static_cast<std::size_t>(sent));
            }
            // A reader that stopped reading has its answer, or none, to give.
            if (input.empty() || (sent < 0 && errno != EAGAIN && errno != EINTR)) {
                shutdown(socket.Get(), SHUT_WR);
                writing = false;
            }
        }
        if ((watched.revents & (POLLIN | POLLERR | POLLHUP)) != 0) {
            const ssize_t got = recv(socket.Get(), block, sizeof block, 0);
            if (got == 0 || (got < 0 && errno != EAGAIN && errno != EINTR)) {
                reading = false;  // the reader closed its end: it is ending
            } else if (got > 0) {
                if (static_cast<std::size_t>(got) > maxAnswerBytes - result.answer.size()) {
                    result.end = Result::End::OverlongAnswer;
                    break;
                }
                result.answer.append(block, static_cast<std::size_t>(got));
            }
        }
    }
    if (result.end != Result::End::Exited) {
        kill(child, SIGKILL);
    } else if (exited.Get() >= 0) {
        // Its output is closed; it ends within the backstop, or is killed.
        pollfd watched{exited.Get(), POLLIN, 0};
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || poll(&watched, 1, static_cast<int>(left.count())) <= 0) {
            result.end = Result::End::TimedOut;
            kill(child, SIGKILL);
        }
    }
    Reap(child, result);
    return result;
}

}  // namespace gb::retrieval
