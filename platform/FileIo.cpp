#include "platform/FileIo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/BulkMemory.h"

namespace gb {

namespace {

std::string Describe(const std::filesystem::path& path, const char* what, int error) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

// Closes a descriptor and removes the temporary file unless released.
class TemporaryFile {
public:
    explicit TemporaryFile(std::filesystem::path target) : path_(std::move(target)) {
        path_ += ".XXXXXX";
        std::string pattern = path_.string();
        fd_ = ::mkstemp(pattern.data());
        path_ = pattern;
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    ~TemporaryFile() {
        Close();
        if (!kept_) {
            ::unlink(path_.c_str());
        }
    }

    int fd() const { return fd_; }
    const std::filesystem::path& path() const { return path_; }
    int Close() {
        int result = 0;
        if (fd_ >= 0) {
            result = ::close(fd_);
            fd_ = -1;
        }
        return result;
    }
    void Keep() { kept_ = true; }

private:
    std::filesystem::path path_;
    int fd_ = -1;
    bool kept_ = false;
};

}  // namespace

std::optional<std::string> ReadWholeFile(const std::filesystem::path& path) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return std::nullopt;
    }
    // The buffer is sized once by the file's size; should the file have grown
    // meanwhile, the rest is read in pieces and appended.
    struct stat status {};
    std::string contents;
    if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
        const auto size = static_cast<std::size_t>(status.st_size);
        contents.reserve(size);
        PreferHugePages(contents.data(), contents.capacity());
        contents.resize(size);
    }
    std::size_t filled = 0;
    char piece[4096];
    for (;;) {
        const bool inBuffer = filled < contents.size();
        char* into = inBuffer ? contents.data() + filled : piece;
        const std::size_t room = inBuffer ? contents.size() - filled : sizeof piece;
        const ssize_t got = ::read(fd, into, room);
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0) {
            ::close(fd);
            if (got < 0) {
                return std::nullopt;
            }
            contents.resize(filled);
            return contents;
        }
        if (!inBuffer) {
            contents.append(piece, static_cast<std::size_t>(got));
        }
        filled += static_cast<std::size_t>(got);
    }
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileAccess access) {
    TemporaryFile temp(path);
    if (temp.fd() < 0) {
        throw FileError(Describe(path, "Cannot create a temporary file beside", errno));
    }
    const mode_t mode = access == FileAccess::OwnerOnly ? 0600 : 0644;
    if (::fchmod(temp.fd(), mode) != 0) {
        throw FileError(Describe(temp.path(), "Cannot set the permissions of", errno));
    }
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(temp.fd(), data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            throw FileError(Describe(path, "Cannot write", errno));
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    if (::fsync(temp.fd()) != 0) {
        throw FileError(Describe(path, "Cannot write", errno));
    }
    if (temp.Close() != 0) {
        throw FileError(Describe(path, "Cannot write", errno));
    }
    if (::rename(temp.path().c_str(), path.c_str()) != 0) {
        throw FileError(Describe(path, "Cannot replace", errno));
    }
    temp.Keep();
}

}  // namespace gb
