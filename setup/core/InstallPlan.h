#pragma once
// What an installation puts where: the files of the install medium, the
// component libraries to register and the shortcuts to make. The shipped plan
// comes from setup/InstallFiles.txt; tests give plans of their own.

#include <sys/types.h>
#include <string>
#include <string_view>
#include <vector>

namespace gb::setup {

struct InstallFile {
    std::string storedName;     // "Lotkeeper.ex_": the name on the medium
    std::string expandedName;   // "Lotkeeper.exe": the name its header gives back
    std::string installedName;  // "Lotkeeper": this platform's name of the file
    mode_t mode = 0644;
};

// A shortcut on the desktop and in the applications menu.
struct Shortcut {
    enum class Kind { Program, Document };
    Kind kind = Kind::Program;
    std::string file;         // expanded name of the file it starts or opens
    std::string name;         // "Gavelbook for Sellers"
    std::string desktopFile;  // "gavelbook-lotkeeper.desktop"
    std::string comment;
    bool opensProfiles = false;  // the program that opens the profile file type
};

struct InstallPlan {
    std::vector<InstallFile> files;
    std::vector<std::string> servers;  // expanded names, registered in this order
    std::vector<Shortcut> shortcuts;
    std::string uninstaller;  // expanded name of the program that removes the installation
    std::string icon;         // expanded name of the shortcuts' icon; none when empty

    // The installed name of an expanded name; the name itself when the plan
    // does not list it.
    std::string InstalledName(std::string_view expandedName) const;
    const InstallFile* FindExpanded(std::string_view expandedName) const;
};

const InstallPlan& ShippedPlan();

}  // namespace gb::setup
