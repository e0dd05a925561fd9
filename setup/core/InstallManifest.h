#pragma once
// The record of one installation, kept in the program folder as
// "Installed.lst": every file it wrote (with a fingerprint of its contents),
// every folder it created, every settings value, every settings key and
// settings file it created, and every component library it registered. The
// uninstaller removes exactly what the record names, and of the files only
// those still as they were installed.
//
// One entry per line, fields separated by tabs; '%', tab and line breaks in
// fields are written as %XX.
//   file      path  size  fingerprint
//   folder    path
//   value     settings-file  key  name
//   key       settings-file  key
//   settings  settings-file
//   server    library-path  settings-folder

#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace gb::setup {

inline constexpr const char* kManifestName = "Installed.lst";

struct InstalledFile {
    std::filesystem::path path;
    std::uintmax_t size = 0;
    std::uint64_t fingerprint = 0;
};

struct InstalledValue {
    std::filesystem::path settingsFile;
    std::string key;
    std::string name;
};

struct InstalledKey {
    std::filesystem::path settingsFile;
    std::string key;
};

struct RegisteredServer {
    std::filesystem::path library;
    std::filesystem::path settingsFolder;  // the machine settings it was registered in
};

class InstallManifest {
public:
    std::vector<InstalledFile> files;
    std::vector<std::filesystem::path> folders;  // created by the installation, outermost first
    std::vector<InstalledValue> values;
    std::vector<InstalledKey> keys;
    std::vector<std::filesystem::path> settingsFiles;  // created by the installation
    std::vector<RegisteredServer> servers;

    std::string ToText() const;
    // Nothing when a line is malformed.
    static std::optional<InstallManifest> FromText(std::string_view text);

    // A fingerprint of the file's contents as it is now, read in pieces;
    // nothing when it cannot be read.
    static std::optional<InstalledFile> Fingerprint(const std::filesystem::path& path);
};

}  // namespace gb::setup
