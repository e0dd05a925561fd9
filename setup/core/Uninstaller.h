#pragma once
// Takes an installation away by its record: unregisters the component
// libraries, deletes the settings values and keys it wrote, removes the files
// it wrote that are still as they were installed, has the desktop forget the
// file type and menu entries, and removes the folders it created once they
// are empty. Files the user changed since (a profile worked on, say), folders
// that were there before and everything the installation did not write stay.

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "setup/core/CInstaller.h"
#include "setup/core/InstallManifest.h"
#include "setup/core/RunningPrograms.h"

namespace gb::setup {

struct UninstallReport {
    std::vector<std::filesystem::path> removed;       // files and folders
    std::vector<std::filesystem::path> kept;          // files changed since the installation
    std::vector<std::filesystem::path> keptFolders;   // created by it, holding other files now
    std::vector<std::filesystem::path> keptSettings;  // created by it, holding other settings now
    std::vector<std::string> problems;

    // Whether everything the installation made is gone.
    bool Complete() const;
};

// Uninstalls by the record in `programFolder` and removes the record.
UninstallReport UninstallFolder(const std::filesystem::path& programFolder, const UserFolders& user,
                                const ProgramRunner& runner);

// Uninstalls the installation of `programFolder` once none of its programs
// runs: while one does, `ask` is asked. Nothing when the user cancels; then
// nothing was changed.
std::optional<UninstallReport> RemoveInstallation(const std::filesystem::path& programFolder,
                                                  const UserFolders& user,
                                                  const ProgramRunner& runner,
                                                  const RunningPrograms::Question& ask);

// One line: whether the installation was removed, or not completely.
std::string ReportSummary(const UninstallReport& report);
// What was removed and what was kept, one path a line under a heading each.
std::string ReportText(const UninstallReport& report);

}  // namespace gb::setup
