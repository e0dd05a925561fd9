#include "platform/FileIo.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstring>
#include <optional>
#include <random>

#include "platform/BulkMemory.h"

namespace gb {

namespace {

namespace fs = std::filesystem;

// A temporary file of a save is named "." + the file's name + this + six
// letters or digits, so that a later save or open recognises what an
// interrupted save left behind.
constexpr char kTemporaryMark[] = ".gavelbook-";
constexpr std::size_t kRandomLetters = 6;
constexpr int kNameAttempts = 100;
// Links followed to the file a save replaces before giving up, as the system does.
constexpr int kMostLinkHops = 40;
// The permission bits a replaced file hands on (no set-id or sticky bits),
// and those that let anyone write it.
constexpr mode_t kPermissionBits = 0777;
constexpr mode_t kWriteBits = S_IWUSR | S_IWGRP | S_IWOTH;

std::string Describe(const fs::path& path, const char* what, int error) {
    return std::string(what) + " \"" + path.string() + "\": " + std::strerror(error);
}

fs::path FolderOf(const fs::path& path) {
    return path.has_parent_path() ? path.parent_path() : fs::path(".");
}

std::string TemporaryPrefix(const fs::path& path) {
    return "." + path.filename().string() + kTemporaryMark;
}

bool IsTemporaryOf(std::string_view name, std::string_view prefix) {
    if (name.size() != prefix.size() + kRandomLetters || !name.starts_with(prefix)) {
        return false;
    }
    for (const char c : name.substr(prefix.size())) {
        if (!std::isalnum(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

fs::path RandomTemporaryName(const fs::path& path) {
    static constexpr char kLetters[] =
        "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    thread_local std::mt19937 generator{std::random_device{}()};
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    std::string name = TemporaryPrefix(path);
    for (std::size_t i = 0; i < kRandomLetters; ++i) {
        name += kLetters[pick(generator)];
    }
    return FolderOf(path) / name;
}

// Holds the descriptor of a file being written; its lock tells a later save
// that the file is still in use. Removes the file's name unless released.
class TemporaryFile {
public:
    TemporaryFile() = default;
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    friend void swap(TemporaryFile& a, TemporaryFile& b) noexcept {
        std::swap(a.path_, b.path_);
        std::swap(a.fd_, b.fd_);
    }
    ~TemporaryFile() {
        Close();
        if (!path_.empty()) {
            ::unlink(path_.c_str());
        }
    }

    // An anonymous file in the folder of `target`; false where the file
    // system cannot make one.
    bool OpenAnonymous(const fs::path& target, mode_t mode) {
        fd_ = ::open(FolderOf(target).c_str(), O_TMPFILE | O_RDWR | O_CLOEXEC, mode);
        return fd_ >= 0 && ::flock(fd_, LOCK_EX) == 0;
    }

    // A file under a fresh temporary name beside `target`.
    bool OpenNamed(const fs::path& target, mode_t mode) {
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const fs::path name = RandomTemporaryName(target);
            fd_ = ::open(name.c_str(), O_CREAT | O_EXCL | O_RDWR | O_CLOEXEC, mode);
            if (fd_ >= 0) {
                path_ = name;
                return ::flock(fd_, LOCK_EX) == 0;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    // Gives an anonymous file its temporary name beside `target`, where it
    // can be renamed from; a named file keeps its name.
    bool Link(const fs::path& target) {
        if (!path_.empty()) {
            return true;
        }
        const std::string self = "/proc/self/fd/" + std::to_string(fd_);
        for (int attempt = 0; attempt < kNameAttempts; ++attempt) {
            const fs::path name = RandomTemporaryName(target);
            if (::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, name.c_str(), AT_SYMLINK_FOLLOW) == 0) {
                path_ = name;
                return true;
            }
            if (errno != EEXIST) {
                return false;
            }
        }
        return false;
    }

    int fd() const { return fd_; }
    const fs::path& path() const { return path_; }
    int Close() {
        int result = 0;
        if (fd_ >= 0) {
            result = ::close(fd_);
            fd_ = -1;
        }
        return result;
    }
    // The file was renamed: its temporary name is gone.
    void Release() { path_.clear(); }

private:
    fs::path path_;
    int fd_ = -1;
};

bool WriteAll(int fd, std::string_view bytes) {
    const char* data = bytes.data();
    std::size_t left = bytes.size();
    while (left > 0) {
        const ssize_t written = ::write(fd, data, left);
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += written;
        left -= static_cast<std::size_t>(written);
    }
    return true;
}

// Copies the first `size` bytes of one file to the end of another.
bool CopyContents(int from, int to, std::size_t size) {
    std::string piece(std::size_t{1} << 20, '\0');
    for (std::size_t done = 0; done < size;) {
        const ssize_t got = ::pread(from, piece.data(), std::min(piece.size(), size - done),
                                    static_cast<off_t>(done));
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got <= 0 ||
            !WriteAll(to, std::string_view(piece.data(), static_cast<std::size_t>(got)))) {
            return false;
        }
        done += static_cast<std::size_t>(got);
    }
    return true;
}

// Makes the rename itself durable. A file system that cannot flush a folder
// (EINVAL) has nothing to flush.
void FlushFolder(const fs::path& path) {
    const int folder = ::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        throw FileError(Describe(path, "Cannot flush the folder of", errno));
    }
    const int result = ::fsync(folder);
    const int error = errno;
    ::close(folder);
    if (result != 0 && error != EINVAL) {
        throw FileError(Describe(path, "Cannot flush the folder of", error));
    }
}

// The file a chain of symbolic links ending in `path` leads to; `path` itself
// when it is no link. Throws FileError on a loop or an unreadable link.
fs::path LinkTarget(const fs::path& path) {
    fs::path target = path;
    for (int hop = 0; hop < kMostLinkHops; ++hop) {
        struct stat status {};
        if (::lstat(target.c_str(), &status) != 0 || !S_ISLNK(status.st_mode)) {
            return target;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(target, error);
        if (error) {
            throw FileError(Describe(path, "Cannot follow the link", error.value()));
        }
        // A relative link is relative to the folder the link is in.
        target = next.is_absolute() ? next : FolderOf(target) / next;
    }
    throw FileError(Describe(path, "Cannot follow the link", ELOOP));
}

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

void RemoveStaleTemporaries(const std::filesystem::path& link) {
    fs::path path;
    try {
        path = LinkTarget(link);
    } catch (const FileError&) {
        return;  // a broken link has nothing beside it to clean
    }
    const std::string prefix = TemporaryPrefix(path);
    const fs::path folder = FolderOf(path);
    DIR* listing = ::opendir(folder.c_str());
    if (listing == nullptr) {
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        if (!IsTemporaryOf(entry->d_name, prefix)) {
            continue;
        }
        const fs::path stale = folder / entry->d_name;
        const int fd = ::open(stale.c_str(), O_RDONLY | O_NOFOLLOW | O_CLOEXEC);
        if (fd < 0) {
            continue;
        }
        // A save in progress holds its lock; a save that was killed holds none.
        struct stat status {};
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) &&
            ::flock(fd, LOCK_EX | LOCK_NB) == 0) {
            ::unlink(stale.c_str());
        }
        ::close(fd);
    }
    ::closedir(listing);
}

bool CreateFolders(const std::filesystem::path& folder, FileAccess access) {
    std::error_code error;
    if (fs::is_directory(folder, error)) {
        return true;
    }
    const fs::path parent = folder.parent_path();
    if (!parent.empty() && parent != folder && !CreateFolders(parent, access)) {
        return false;
    }
    const mode_t mode = access == FileAccess::OwnerOnly ? 0700 : 0777;
    if (::mkdir(folder.c_str(), mode) != 0 && errno != EEXIST) {
        return false;
    }
    return fs::is_directory(folder, error);
}

struct AtomicFileWriter::Temporary {
    TemporaryFile file;
    bool anonymous = false;
    mode_t mode = 0;
    // The file being replaced, when there is one.
    std::optional<struct stat> replaced;

    // The new file gets the permissions of the one it replaces, and its group
    // where the user may give it; group rights are never handed to another
    // group.
    void TakeOverPermissions(int fd, const fs::path& path) const {
        if (!replaced) {
            return;
        }
        mode_t permissions = replaced->st_mode & kPermissionBits;
        if (::fchown(fd, static_cast<uid_t>(-1), replaced->st_gid) != 0) {
            permissions &= ~static_cast<mode_t>(S_IRWXG);
        }
        if (::fchmod(fd, permissions) != 0) {
            throw FileError(Describe(path, "Cannot set the permissions of", errno));
        }
    }
};

AtomicFileWriter::AtomicFileWriter(const std::filesystem::path& link, FileAccess access)
    : path_(LinkTarget(link)), temp_(std::make_unique<Temporary>()) {
    // A file reached through a symbolic link is replaced where it is, and the
    // link stays: renaming over the link would leave the real file old.
    RemoveStaleTemporaries(path_);
    // A file the user made read-only stays as it is, though its folder would
    // let it be renamed over; one that may be written keeps its permissions.
    if (struct stat old{}; ::stat(path_.c_str(), &old) == 0 && S_ISREG(old.st_mode)) {
        if ((old.st_mode & kWriteBits) == 0 || ::access(path_.c_str(), W_OK) != 0) {
            throw FileError("\"" + path_.string() + "\" is read-only; it was not replaced.");
        }
        temp_->replaced = old;
    }
    // The user's umask shapes a new file anyone may read; an owner-only file
    // never gets more than rw-------.
    temp_->mode = access == FileAccess::OwnerOnly ? 0600 : 0666;
    // The file stays anonymous while it is written, so a save killed then
    // leaves nothing behind. Where the file system has no anonymous files it
    // is written under a temporary name.
    temp_->anonymous = temp_->file.OpenAnonymous(path_, temp_->mode);
    if (!temp_->anonymous) {
        temp_->file.Close();
        if (!temp_->file.OpenNamed(path_, temp_->mode)) {
            throw FileError(Describe(path_, "Cannot create a temporary file beside", errno));
        }
    }
    temp_->TakeOverPermissions(temp_->file.fd(), path_);
}

AtomicFileWriter::~AtomicFileWriter() = default;

void AtomicFileWriter::Append(std::string_view bytes) {
    if (!WriteAll(temp_->file.fd(), bytes)) {
        throw FileError(Describe(path_, "Cannot write", errno));
    }
    written_ += bytes.size();
}

void AtomicFileWriter::Commit() {
    TemporaryFile& file = temp_->file;
    if (::fsync(file.fd()) != 0) {
        throw FileError(Describe(path_, "Cannot write", errno));
    }
    // An anonymous file that cannot be given a name (no /proc) is copied to
    // a named one.
    if (temp_->anonymous && !file.Link(path_)) {
        TemporaryFile named;
        if (!named.OpenNamed(path_, temp_->mode)) {
            throw FileError(Describe(path_, "Cannot create a temporary file beside", errno));
        }
        temp_->TakeOverPermissions(named.fd(), path_);
        if (!CopyContents(file.fd(), named.fd(), written_) || ::fsync(named.fd()) != 0) {
            throw FileError(Describe(path_, "Cannot write", errno));
        }
        swap(file, named);
    }
    if (::rename(file.path().c_str(), path_.c_str()) != 0) {
        throw FileError(Describe(path_, "Cannot replace", errno));
    }
    file.Release();
    FlushFolder(path_);
}

void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileAccess access) {
    AtomicFileWriter writer(path, access);
    writer.Append(bytes);
    writer.Commit();
}

}  // namespace gb
