#include "platform/Paths.h"

#include <cstdlib>

#include "platform/FileIo.h"

namespace gb::paths {

namespace {

std::filesystem::path FromEnvironment(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr && *value != '\0' ? std::filesystem::path(value)
                                              : std::filesystem::path();
}

}  // namespace

std::filesystem::path ProgramFolder() {
    if (auto overridden = FromEnvironment("GAVELBOOK_PROGRAM_DIR"); !overridden.empty()) {
        return overridden;
    }
    std::error_code error;
    const auto executable = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) {
        return std::filesystem::current_path();
    }
    return executable.parent_path();
}

std::filesystem::path StateFolder() {
    std::filesystem::path folder = FromEnvironment("GAVELBOOK_STATE_DIR");
    if (folder.empty()) {
        if (auto xdg = FromEnvironment("XDG_STATE_HOME"); !xdg.empty()) {
            folder = xdg / "gavelbook";
        } else if (auto home = FromEnvironment("HOME"); !home.empty()) {
            folder = home / ".local" / "state" / "gavelbook";
        } else {
            folder = std::filesystem::temp_directory_path() / "gavelbook";
        }
    }
    // The session logs and the returned page are the user's own.
    CreateFolders(folder, FileAccess::OwnerOnly);
    return folder;
}

}  // namespace gb::paths
