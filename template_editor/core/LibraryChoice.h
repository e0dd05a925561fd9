#pragma once
// What the Select Template Library dialog works on: the template libraries
// ("*.cta") of one folder, and the library the user names, created empty when
// it does not exist yet.

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace gb::editor {

class LibraryChoice {
public:
    explicit LibraryChoice(const std::filesystem::path& current);

    const std::filesystem::path& GetFolder() const { return folder_; }
    // The libraries of the folder, as the file finder lists them.
    const std::vector<std::string>& GetNames() const { return names_; }
    // The current library's file name.
    const std::string& GetCurrentName() const { return currentName_; }

    // The typed name without surrounding blanks, with ".cta" added unless it
    // already ends so (in any case).
    static std::string NormalizeName(std::string_view typed);
    // Whether `name` is a library the folder holds already.
    bool Exists(const std::string& name) const;

    // Writes an empty library named `name` into the folder; false when the
    // name is not allowed or the write fails. An existing file is never
    // overwritten.
    bool Create(const std::string& name) const;

    std::filesystem::path PathOf(const std::string& name) const { return folder_ / name; }

private:
    std::filesystem::path folder_;
    std::string currentName_;
    std::vector<std::string> names_;
};

}  // namespace gb::editor
