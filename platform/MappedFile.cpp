#include "platform/MappedFile.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/FileIo.h"

namespace gb {

std::optional<MappedFile> MappedFile::Open(const std::filesystem::path& path) {
    MappedFile file;
    struct stat status {};
    if (::stat(path.c_str(), &status) == 0 && S_ISREG(status.st_mode)) {
        const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return std::nullopt;
        }
        // The size of the file as opened: it may have been replaced meanwhile.
        if (::fstat(fd, &status) == 0 && S_ISREG(status.st_mode) && status.st_size > 0) {
            const auto size = static_cast<std::size_t>(status.st_size);
            // Populated at once: one call instead of a page fault per few pages.
            void* mapping = ::mmap(nullptr, size, PROT_READ, MAP_PRIVATE | MAP_POPULATE, fd, 0);
            if (mapping != MAP_FAILED) {
                file.mapping_ = mapping;
                file.mappedSize_ = size;
                file.bytes_ = {static_cast<const char*>(mapping), size};
            }
        }
        ::close(fd);
        if (file.mapping_ != nullptr || status.st_size == 0) {
            return file;
        }
    }
    // Pipes, devices and files that could not be mapped are read whole.
    std::optional<std::string> read = ReadWholeFile(path);
    if (!read) {
        return std::nullopt;
    }
    file.read_ = std::move(*read);
    file.bytes_ = file.read_;
    return file;
}

MappedFile::MappedFile(MappedFile&& other) noexcept {
    *this = std::move(other);
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Unmap();
        mapping_ = std::exchange(other.mapping_, nullptr);
        mappedSize_ = std::exchange(other.mappedSize_, 0);
        read_ = std::move(other.read_);
        bytes_ = mapping_ != nullptr ? std::exchange(other.bytes_, {}) : std::string_view(read_);
        other.bytes_ = {};
    }
    return *this;
}

MappedFile::~MappedFile() {
    Unmap();
}

void MappedFile::Unmap() noexcept {
    if (mapping_ != nullptr) {
        ::munmap(mapping_, mappedSize_);
        mapping_ = nullptr;
        mappedSize_ = 0;
    }
}

}  // namespace gb
