#include "platform/ArchiveFile.h"

#include <optional>
#include <string>

namespace gb {

bool LoadArchiveFile(const std::filesystem::path& path, const ArchiveOperation& serialize) {
    const std::optional<std::string> bytes = ReadWholeFile(path);
    if (!bytes) {
        return false;
    }
    Archive ar = Archive::ForLoading(*bytes, path.string());
    try {
        serialize(ar);
    } catch (const ArchiveException&) {
        return false;
    }
    return true;
}

bool SaveArchiveFile(const std::filesystem::path& path, const ArchiveOperation& serialize,
                     FileAccess access) {
    Archive ar = Archive::ForStoring(path.string());
    serialize(ar);
    try {
        WriteFileAtomically(path, ar.Bytes(), access);
    } catch (const FileError&) {
        return false;
    }
    return true;
}

}  // namespace gb
