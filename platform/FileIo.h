#pragma once
// Whole-file reads and atomic whole-file writes. Every file the programs write
// goes through WriteFileAtomically, so a failed write leaves the old file intact.

#include <filesystem>
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

// Who may read the written file.
enum class FileAccess {
    Everyone,   // rw-r--r--
    OwnerOnly,  // rw------- : profiles hold passwords
};

// Writes `bytes` to a temporary file in the same folder, flushes it to disk and
// renames it over `path`. On any failure the temporary file is removed, `path`
// is left as it was and FileError is thrown.
void WriteFileAtomically(const std::filesystem::path& path, std::string_view bytes,
                         FileAccess access = FileAccess::Everyone);

}  // namespace gb
