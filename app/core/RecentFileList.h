#pragma once
// The profiles used most recently, newest first, kept under "Recent File
// List" as "File1", "File2", ...

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace gb {
class Settings;
}

namespace gb::app {

// `path` made absolute against the working folder and without "." and ".."
// steps: a profile remembered for later runs must not depend on the folder
// the program was started from. An empty path stays empty.
std::filesystem::path AbsoluteProfilePath(const std::filesystem::path& path);

class RecentFileList {
public:
    static constexpr std::size_t kDefaultSize = 4;

    explicit RecentFileList(std::size_t size = kDefaultSize) : size_(size) {}

    void Load(const gb::Settings& user);
    // Writes every slot, emptying those without a profile.
    bool Save(gb::Settings& user) const;

    // Puts the path first, made absolute; an entry already listed moves up
    // instead of appearing twice, and the oldest drops off a full list.
    void Add(const std::filesystem::path& path);
    void Remove(std::size_t index);

    const std::vector<std::filesystem::path>& Entries() const { return entries_; }

    // The menu text of entry `index`: "&1 " and the path, with '&' doubled so
    // that it shows.
    std::string MenuText(std::size_t index) const;

private:
    static std::string ValueName(std::size_t index);

    std::size_t size_;
    std::vector<std::filesystem::path> entries_;
};

}  // namespace gb::app
