#include "setup/core/UserFolders.h"

#include <cstdlib>
#include <fstream>
#include <string>
#include <string_view>

namespace gb::setup {

namespace fs = std::filesystem;

namespace {

fs::path EnvironmentPath(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? fs::path(value) : fs::path();
}

// The desktop folder named in user-dirs.dirs: XDG_DESKTOP_DIR="$HOME/Desktop".
fs::path DesktopFromUserDirs(const fs::path& configHome, const fs::path& home) {
    std::ifstream file(configHome / "user-dirs.dirs");
    constexpr std::string_view kPrefix = "XDG_DESKTOP_DIR=\"";
    std::string line;
    while (std::getline(file, line)) {
        if (!line.starts_with(kPrefix) || !line.ends_with('"')) {
            continue;
        }
        std::string value = line.substr(kPrefix.size(), line.size() - kPrefix.size() - 1);
        if (value.starts_with("$HOME/")) {
            return home / value.substr(6);
        }
        if (value.starts_with('/')) {
            return value;
        }
    }
    return {};
}

}  // namespace

UserFolders UserFolders::FromEnvironment() {
    UserFolders folders;
    folders.home = EnvironmentPath("HOME");
    if (folders.home.empty()) {
        folders.home = fs::temp_directory_path();
    }
    folders.dataHome = EnvironmentPath("XDG_DATA_HOME");
    if (folders.dataHome.empty()) {
        folders.dataHome = folders.home / ".local" / "share";
    }
    fs::path configHome = EnvironmentPath("XDG_CONFIG_HOME");
    if (configHome.empty()) {
        configHome = folders.home / ".config";
    }
    folders.desktop = EnvironmentPath("XDG_DESKTOP_DIR");
    if (folders.desktop.empty()) {
        folders.desktop = DesktopFromUserDirs(configHome, folders.home);
    }
    if (folders.desktop.empty()) {
        folders.desktop = folders.home / "Desktop";
    }
    return folders;
}

}  // namespace gb::setup
