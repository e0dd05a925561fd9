#pragma once
// Whole files read and written through a record's archive operation.

#include <filesystem>
#include <functional>

#include "platform/Archive.h"
#include "platform/FileIo.h"

namespace gb {

using ArchiveOperation = std::function<void(Archive&)>;

// Reads the file and hands it to `serialize` in an archive opened for loading.
// False when the file cannot be read or is malformed.
bool LoadArchiveFile(const std::filesystem::path& path, const ArchiveOperation& serialize);

// Has `serialize` store into an archive and writes it to the file atomically.
// False when the file cannot be written; the old file is then left intact.
bool SaveArchiveFile(const std::filesystem::path& path, const ArchiveOperation& serialize,
                     FileAccess access = FileAccess::Everyone);

}  // namespace gb
