// Remove: takes the Gavelbook installation of its own folder away again, by
// the list of what Setup installed there. Files changed since the installation
// (profiles the user worked on), folders that were there before and files
// Setup did not write stay. While a program of the installation runs, it asks
// for it to be closed first and changes nothing until it is. What it removed
// and kept goes to the terminal, and when it was not started from one, into a
// window as well; so does the question.

#include <unistd.h>

#include <QtWidgets/QApplication>
#include <cstdio>
#include <cstdlib>
#include <optional>

#include "platform/Paths.h"
#include "setup/core/Uninstaller.h"
#include "setup/core/UserFolders.h"
#include "setup/remove/CloseProgramsQuestion.h"
#include "setup/remove/RemoveWindow.h"
#include "widgets/QtModalRunner.h"

namespace {

using gb::setup::RunningPrograms;

bool HasDisplay() {
    for (const char* variable : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        if (const char* value = std::getenv(variable); value != nullptr && *value != '\0') {
            return true;
        }
    }
    return false;
}

// Asks on the terminal; no input to read (end of input) cancels.
RunningPrograms::Answer AskOnTerminal(const std::string& text) {
    std::fprintf(stderr, "%s\nPress Enter when done, or C and Enter to cancel: ", text.c_str());
    std::fflush(stderr);
    const int first = std::fgetc(stdin);
    for (int c = first; c != '\n' && c != EOF;) {
        c = std::fgetc(stdin);
    }
    if (first == EOF) {
        std::fputc('\n', stderr);
        return RunningPrograms::Answer::Cancel;
    }
    return first == 'c' || first == 'C' ? RunningPrograms::Answer::Cancel
                                        : RunningPrograms::Answer::Retry;
}

}  // namespace

int main(int argc, char** argv) {
    const bool windowed = !::isatty(STDOUT_FILENO) && HasDisplay();
    std::optional<QApplication> application;
    if (windowed) {
        application.emplace(argc, argv);
    }
    gb::widgets::QtModalRunner runner;
    const RunningPrograms::Question ask =
        windowed
            ? gb::setup::ui::AskToCloseOnScreen(runner, nullptr, QStringLiteral("Remove Gavelbook"))
            : RunningPrograms::Question(&AskOnTerminal);
    const std::optional<gb::setup::UninstallReport> report = gb::setup::RemoveInstallation(
        gb::paths::ProgramFolder(), gb::setup::UserFolders::FromEnvironment(),
        &gb::setup::RunProgram, ask);
    if (!report) {
        std::fputs("Nothing was removed.\n", stderr);
        return 1;
    }
    const bool failed = !report->problems.empty();
    const std::string text =
        gb::setup::ReportSummary(*report) + '\n' + gb::setup::ReportText(*report);
    std::fputs(text.c_str(), failed ? stderr : stdout);
    if (windowed) {
        gb::setup::ui::ShowRemoveReport(runner, *report);
    }
    return failed ? 1 : 0;
}
