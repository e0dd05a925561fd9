#pragma once
// The bytes of a whole file, mapped read-only where the system keeps them
// rather than copied into fresh memory: a large file is then read without
// the cost of zeroing and filling pages of its own. Files that cannot be
// mapped (pipes, devices) are read instead.
//
// A file replaced by a save keeps its old bytes in the mapping: saves write a
// new file and rename it over the old one.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

class MappedFile {
public:
    // Nothing when the file does not exist or cannot be read.
    static std::optional<MappedFile> Open(const std::filesystem::path& path);

    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;
    ~MappedFile();

    // Valid while this object lives.
    std::string_view Bytes() const { return bytes_; }

private:
    MappedFile() = default;
    void Unmap() noexcept;

    void* mapping_ = nullptr;
    std::size_t mappedSize_ = 0;
    std::string read_;  // the bytes of a file that could not be mapped
    std::string_view bytes_;
};

}  // namespace gb
