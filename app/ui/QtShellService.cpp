#include "app/ui/QtShellService.h"

#include <QtCore/QProcess>
#include <QtCore/QUrl>
#include <QtGui/QDesktopServices>
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::PathToQt;
using gb::widgets::ToQt;

bool QtShellService::OpenLink(std::string_view address) {
    const QUrl url(ToQt(address));
    return url.isValid() && QDesktopServices::openUrl(url);
}

bool QtShellService::StartProgram(const std::filesystem::path& program,
                                  const std::filesystem::path& workingFolder) {
    return QProcess::startDetached(PathToQt(program), {}, PathToQt(workingFolder));
}

}  // namespace gb::app::ui
