#pragma once
// Expansion of the install medium's files. A compressed file is in the LZ
// format of the old expansion tools ("SZDD" header, then LZSS data; the last
// character of the file's name is kept in the header and replaced by "_" on
// the medium); libmspack decodes it. A file that is not compressed is copied
// unchanged under its own name.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>

namespace gb::setup {

enum class ExpandStatus {
    Expanded,
    SourceUnreadable,  // the medium's file cannot be opened
    TargetUnwritable,  // the expanded file cannot be created
    Corrupt,           // the data cannot be decoded or does not fill the size the header gives
    OutOfMemory,
    WriteFailed,  // writing the expanded file failed (disk full)
};

struct ExpandResult {
    ExpandStatus status = ExpandStatus::Expanded;
    std::uintmax_t size = 0;  // bytes written when expanded
};

// The name `source` expands to: its file name with the final "_" replaced by
// the character its header keeps. Nothing when the file cannot be read or its
// header is damaged.
std::optional<std::string> ExpandedName(const std::filesystem::path& source);

// Expands `source` into `target` with the given permissions. The data go to a
// temporary file beside `target` that is renamed over it only when complete,
// so a failure leaves `target` as it was, and `target` being the same file as
// `source` never truncates the source.
ExpandResult ExpandFile(const std::filesystem::path& source, const std::filesystem::path& target,
                        std::filesystem::perms permissions);

}  // namespace gb::setup
