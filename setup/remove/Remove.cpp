// Remove: takes the Gavelbook installation of its own folder away again, by
// the list of what Setup installed there. Files changed since the installation
// (profiles the user worked on) and files Setup did not write stay.

#include <cstdio>

#include "platform/Paths.h"
#include "setup/core/Uninstaller.h"
#include "setup/core/UserFolders.h"

int main() {
    const gb::setup::UninstallReport report = gb::setup::UninstallFolder(
        gb::paths::ProgramFolder(), gb::setup::UserFolders::FromEnvironment(),
        &gb::setup::RunProgram);
    for (const auto& path : report.removed) {
        std::printf("Removed %s\n", path.c_str());
    }
    for (const auto& path : report.kept) {
        std::printf("Kept %s: it was changed after the installation\n", path.c_str());
    }
    for (const std::string& problem : report.problems) {
        std::fprintf(stderr, "Remove: %s\n", problem.c_str());
    }
    return report.problems.empty() ? 0 : 1;
}
