#pragma once
// Whole-file reads and atomic whole-file writes. Every file the programs write
// goes through WriteFileAtomically, so a failed write leaves the old file intact.

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace gb {

// Raised when a file cannot be read or written; what() names the file and the cause.
class FileError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The file's bytes, or nothing when it does not exist or cannot be read.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& path);

// Who may read a newly created file; a file that is replaced keeps its own
// permissions.
enum class FileAccess {
    Everyone,   // rw-rw-rw- less the user's umask: files the user names
    OwnerOnly,  // rw------- : files the programs keep for the user
};

// A file written in pieces and put in place whole, as WriteFileAtomically
// puts its bytes: into a temporary file in the same folder, flushed to disk,
// then renamed over `path`, whose folder is flushed too. A writer that is
// not committed, or whose commit fails, removes its file and leaves `path`
// as it was. Every failure throws FileError. When `path` is a symbolic link
// (or a chain of them) the file it leads to is replaced, in its own folder,
// and the link is kept. A file that is replaced hands its permissions on to
// the new one; a read-only file is not replaced (FileError).
class AtomicFileWriter {
public:
    explicit AtomicFileWriter(const std::filesystem::path& path,
                              FileAccess access = FileAccess::Everyone);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    void Append(std::string_view bytes);
    void Commit();

private:
    struct Temporary;

    std::filesystem::path path_;
    std::unique_ptr<Temporary> temp_;
    std::size_t written_ = 0;
};

// Writes `bytes` to a temporary file in the same folder, flushes it to disk,
// renames it over `path` and flushes the folder. A save killed at any moment
// leaves the old file or the new one; on any failure the temporary file is
// removed, `path` is left as it was and FileError is thrown. When `path` is a
// symbolic link (or a chain of them), the file it leads to is replaced, in its
// own folder, and the link is kept. A replaced file keeps its permissions, and
// a read-only one is not replaced (FileError).
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileAccess access = FileAccess::Everyone);

// Removes the temporary files that interrupted writes of `path` (or of the
// file a symbolic link `path` leads to) left beside it; a write still in progress keeps its own,
// and no other file is touched. WriteFileAtomically does this itself; opening a file the programs
// save calls it too.
void RemoveStaleTemporaries(const std::filesystem::path& path);

// Creates `folder` and any missing folder above it; those it creates are
// rwx------ for OwnerOnly, else rwxrwxrwx less the umask. Folders that exist
// are left as they are. False when the folder is not there afterwards.
bool CreateFolders(const std::filesystem::path& folder, FileAccess access);

}  // namespace gb
