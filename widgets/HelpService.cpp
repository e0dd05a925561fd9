#include "widgets/HelpService.h"

#include <QtGui/QDesktopServices>

#include <utility>

#include "platform/Paths.h"

namespace gb::widgets {

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

QUrl HelpService::ContentsAddress() const {
    return Address(QStringLiteral("contents"));
}

QUrl HelpService::ContextAddress(int context) const {
    return Address(QStringLiteral("context-%1").arg(context));
}

QUrl HelpService::Address(const QString& anchor) const {
    QUrl address = QUrl::fromLocalFile(QString::fromStdString(helpFile_.string()));
    address.setFragment(anchor);
    return address;
}

}  // namespace gb::widgets
