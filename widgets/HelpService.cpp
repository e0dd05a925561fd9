#include "widgets/HelpService.h"

#include <QtGui/QDesktopServices>

#include <utility>

#include "platform/PathText.h"
#include "platform/Paths.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::widgets {

std::string NoHelpProgramText(std::string_view helpFile) {
    return "The help file \"" + std::string(helpFile) +
           "\" could not be opened: no web browser is set up on this computer to show it. Set "
           "up a default web browser, or open the file in a browser yourself.";
}

bool DesktopHelpOpener::Open(const QUrl& address) {
    return QDesktopServices::openUrl(address);
}

HelpService::HelpService(std::filesystem::path helpFile, HelpOpener& opener)
    : helpFile_(std::move(helpFile)), opener_(opener) {}

std::filesystem::path HelpService::DefaultHelpFile() {
    return gb::paths::ProgramFolder() / kHelpFileName;
}

bool HelpService::ShowContents() {
    return opener_.Open(ContentsAddress());
}

bool HelpService::ShowContext(int context) {
    return opener_.Open(ContextAddress(context));
}

bool HelpService::ShowContextOrTell(int context, ModalRunner& runner, QWidget* parent) {
    if (ShowContext(context)) {
        return true;
    }
    ShowMessage(runner, parent,
                {QString(), ToQt(NoHelpProgramText(gb::paths::ShownText(helpFile_))),
                 QMessageBox::Warning, QMessageBox::Ok});
    return false;
}

QUrl HelpService::ContentsAddress() const {
    return Address(QStringLiteral("contents"));
}

QUrl HelpService::ContextAddress(int context) const {
    return Address(QStringLiteral("context-%1").arg(context));
}

QUrl HelpService::Address(const QString& anchor) const {
    QUrl address = QUrl::fromLocalFile(PathToQt(helpFile_));
    address.setFragment(anchor);
    return address;
}

}  // namespace gb::widgets
