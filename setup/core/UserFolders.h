#pragma once
// The user's folders an installation writes to, from the environment
// (HOME and the XDG variables), so tests can point them at a scratch home.

#include <filesystem>

namespace gb::setup {

struct UserFolders {
    std::filesystem::path home;
    std::filesystem::path dataHome;  // $XDG_DATA_HOME, else ~/.local/share
    std::filesystem::path desktop;   // $XDG_DESKTOP_DIR, else user-dirs.dirs, else ~/Desktop

    static UserFolders FromEnvironment();

    std::filesystem::path ApplicationsFolder() const { return dataHome / "applications"; }
    // Where the menu's shortcuts live, in a folder of their own.
    std::filesystem::path MenuFolder() const { return ApplicationsFolder() / "gavelbook"; }
    std::filesystem::path MimeFolder() const { return dataHome / "mime"; }
    // Where a first installation goes: per user, beside other programs
    // installed without rights over the system.
    std::filesystem::path DefaultTarget() const { return home / ".local" / "opt" / "Lotkeeper"; }
};

}  // namespace gb::setup
