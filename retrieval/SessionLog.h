#pragma once
// One session log: a plain 8-bit text file of lines ended by CR LF, written by
// every retrieval worker of the process and read and emptied by the user
// interface thread. Writes are serialised and appended whole; reads use a
// handle of their own, so they never move the writers' position.

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string_view>

namespace gb::retrieval {

class SessionLog {
public:
    // Opens (creating, never truncating) the log at `path`. A log that cannot
    // be opened now is opened again at the next write.
    explicit SessionLog(std::filesystem::path path);
    ~SessionLog();
    SessionLog(const SessionLog&) = delete;
    SessionLog& operator=(const SessionLog&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Appends `text` and CR LF as one line. False when it could not be written.
    bool Append(std::string_view text);

    // Copies at most `size` - 1 bytes from the start of the log into `buffer`
    // and a zero after them when at least one byte was read; an empty log, a
    // null buffer or a size of 0 leaves the buffer alone. The number of bytes read.
    std::uint32_t ReadFromStart(char* buffer, std::uint32_t size) const;

    // Empties the log. False when it could not be truncated.
    bool Clear();

private:
    bool OpenLocked();

    std::filesystem::path path_;
    mutable std::mutex mutex_;
    int fd_ = -1;
};

}  // namespace gb::retrieval
