#include "platform/ArchiveFile.h"

#include <optional>

#include "platform/MappedFile.h"

namespace gb {

bool LoadArchiveFile(const std::filesystem::path& path, const ArchiveOperation& serialize) {
    const std::optional<MappedFile> file = MappedFile::Open(path);
    if (!file) {
        return false;
    }
    Archive ar = Archive::ForLoadingInPlace(file->Bytes(), path.string());
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
