#pragma once
// Takes an installation away by its record: unregisters the component
// libraries, deletes the settings values and keys it wrote, and removes the
// files it wrote that are still as they were installed. Files the user changed
// since (a profile worked on, say) and everything the installation did not
// write stay.

#include <filesystem>
#include <string>
#include <vector>

#include "setup/core/CInstaller.h"
#include "setup/core/InstallManifest.h"

namespace gb::setup {

struct UninstallReport {
    std::vector<std::filesystem::path> removed;
    std::vector<std::filesystem::path> kept;  // changed since installation
    std::vector<std::string> problems;
};

UninstallReport Uninstall(const InstallManifest& manifest);

// Reads the record in `programFolder`, uninstalls, and removes the record and
// the folder when nothing else is left in it.
UninstallReport UninstallFolder(const std::filesystem::path& programFolder, const UserFolders& user,
                                const ProgramRunner& runner);

}  // namespace gb::setup
