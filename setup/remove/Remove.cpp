// Remove: takes the Gavelbook installation of its own folder away again, by
// the list of what Setup installed there. Files changed since the installation
// (profiles the user worked on), folders that were there before and files
// Setup did not write stay. What it removed and kept goes to the terminal, and
// when it was not started from one, into a window as well.

#include <unistd.h>

#include <QtWidgets/QApplication>
#include <cstdio>
#include <cstdlib>

#include "platform/Paths.h"
#include "setup/core/UserFolders.h"
#include "setup/remove/RemoveWindow.h"
#include "widgets/QtModalRunner.h"

namespace {

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const gb::setup::UninstallReport report = gb::setup::UninstallFolder(
        gb::paths::ProgramFolder(), gb::setup::UserFolders::FromEnvironment(),
        &gb::setup::RunProgram);
    const bool failed = !report.problems.empty();
    std::fputs(gb::setup::ReportText(report).c_str(), failed ? stderr : stdout);
    if (!::isatty(STDOUT_FILENO) && HasDisplay()) {
        QApplication application(argc, argv);
        gb::widgets::QtModalRunner runner;
        gb::setup::ui::ShowRemoveReport(runner, report);
    }
    return failed ? 1 : 0;
}
