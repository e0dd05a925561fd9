#include "retrieval/SessionLog.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace gb::retrieval {

SessionLog::SessionLog(std::filesystem::path path) : path_(std::move(path)) {
    std::lock_guard lock(mutex_);
    OpenLocked();
}

SessionLog::~SessionLog() {
    if (fd_ >= 0) {
        ::close(fd_);
    }
}

bool SessionLog::OpenLocked() {
    if (fd_ < 0) {
        fd_ = ::open(path_.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0) {
            // The log names the user's sellers: a log an older version made
            // readable to others is his alone from now on.
            ::fchmod(fd_, 0600);
        }
    }
    return fd_ >= 0;
}

bool SessionLog::Append(std::string_view text) {
    std::string line;
    line.reserve(text.size() + 2);
    line.append(text);
    line.append("\r\n");
    std::lock_guard lock(mutex_);
    if (!OpenLocked()) {
        return false;
    }
    std::size_t written = 0;
    while (written < line.size()) {
        const ssize_t result = ::write(fd_, line.data() + written, line.size() - written);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            return false;
        }
        written += static_cast<std::size_t>(result);
    }
    return true;
}

std::uint32_t SessionLog::ReadFromStart(char* buffer, std::uint32_t size) const {
    if (buffer == nullptr || size == 0) {
        return 0;
    }
    std::lock_guard lock(mutex_);
    const int reader = ::open(path_.c_str(), O_RDONLY | O_CLOEXEC);
    if (reader < 0) {
        return 0;
    }
    const std::uint32_t wanted = size - 1;
    std::uint32_t read = 0;
    while (read < wanted) {
        const ssize_t result = ::pread(reader, buffer + read, wanted - read, read);
        if (result < 0 && errno == EINTR) {
            continue;
        }
        if (result <= 0) {
            break;
        }
        read += static_cast<std::uint32_t>(result);
    }
    ::close(reader);
    if (read > 0) {
        buffer[read] = '\0';
    }
    return read;
}

bool SessionLog::Clear() {
    std::lock_guard lock(mutex_);
    // Writes append, so the next line lands at the new end, at 0.
    return OpenLocked() && ::ftruncate(fd_, 0) == 0;
}

}  // namespace gb::retrieval
