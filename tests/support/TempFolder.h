#pragma once
// A fresh empty folder for one test, removed with everything in it afterwards.

#include <filesystem>
#include <string_view>

namespace gb::test {

class TempFolder {
public:
    // Throws std::runtime_error when no folder can be made.
    TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    ~TempFolder();

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

    // Writes a file of the given bytes into the folder.
    std::filesystem::path Write(std::string_view name, std::string_view bytes) const;

private:
    std::filesystem::path path_;
};

}  // namespace gb::test
