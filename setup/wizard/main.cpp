// Setup: installs Gavelbook from the folder it is started from.

#include <QtWidgets/QApplication>

#include "platform/Paths.h"
#include "setup/core/CInstaller.h"
#include "setup/wizard/CWizardSheet.h"
#include "widgets/HelpService.h"
#include "widgets/QtModalRunner.h"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Setup"));
    QApplication::setOrganizationName(QStringLiteral("Norvel Software"));
    gb::widgets::DesktopHelpOpener browser;
    gb::widgets::QtModalRunner runner;
    gb::setup::ui::CWizardSheet sheet(
        gb::setup::CInstaller(gb::paths::ProgramFolder(),
                              gb::setup::UserFolders::FromEnvironment()),
        browser, runner);
    return sheet.exec() == QDialog::Accepted ? 0 : 1;
}
