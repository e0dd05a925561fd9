// Lotkeeper, the main program: a seller's auction items, folders and seller IDs.

#include <QtWidgets/QApplication>

#include <string>
#include <vector>

#include "app/core/CommandLine.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/LotkeeperProgram.h"
#include "app/ui/web/WebEngineSetup.h"
#include "platform/Paths.h"
#include "platform/Settings.h"

int main(int argc, char** argv) {
    // The web engine's scheme of the program's own pages must be known before
    // the application exists.
    gb::app::ui::PrepareWebEngine();
    QApplication application(argc, argv);
    gb::app::ui::LotkeeperProgram::SetApplicationNames();
    QApplication::setWindowIcon(gb::app::ui::ArtLibrary::ProgramIcon());

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toLocal8Bit().toStdString());
    }
    gb::app::ui::LotkeeperProgram program(gb::app::CommandLine::Parse(arguments),
                                          gb::Settings::CurrentUser(), gb::paths::ProgramFolder());
    if (!program.InitInstance()) {
        return program.ExitInstance(0);
    }
    return program.ExitInstance(QApplication::exec());
}
