// Template, the template editor: edits the HTML templates of a template
// library that the main program uses for reports, e-mail and the clipboard.

#include <QtWidgets/QApplication>

#include <string>
#include <vector>

#include "platform/Paths.h"
#include "platform/Settings.h"
#include "template_editor/ui/TemplateProgram.h"
#include "widgets/HelpService.h"
#include "widgets/QtModalRunner.h"
#include "widgets/WebEngineStart.h"

int main(int argc, char** argv) {
    gb::widgets::PrepareWebEngineProcess();
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Template"));
    QApplication::setOrganizationName(QStringLiteral("Norvel Software"));

    // Qt has taken its own options out of the arguments by now.
    std::vector<std::string> arguments;
    const QStringList given = QApplication::arguments();
    for (qsizetype i = 1; i < given.size(); ++i) {
        arguments.push_back(given[i].toLocal8Bit().toStdString());
    }
    gb::widgets::QtModalRunner runner;
    gb::widgets::DesktopHelpOpener opener;
    gb::widgets::HelpService help(gb::widgets::HelpService::DefaultHelpFile(), opener);
    gb::editor::TemplateProgram program(std::move(arguments), gb::Settings::CurrentUser(),
                                        gb::paths::ProgramFolder(), runner, help);
    if (!program.InitInstance()) {
        return 0;
    }
    return QApplication::exec();
}
