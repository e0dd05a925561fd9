#include "widgets/LinkOpener.h"

#include <QtCore/QUrl>

#include "widgets/HelpService.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::widgets {

std::string CannotOpenLinkText(std::string_view address) {
    return "Unable to open the link. Please start your web browser and visit " +
           std::string(address);
}

bool DesktopLinkOpener::OpenLink(const std::string& address) {
    const QUrl url(ToQt(address));
    if (url.isValid() && browser_.Open(url)) {
        return true;
    }
    ShowMessage(
        runner_, parent_,
        {QString(), ToQt(CannotOpenLinkText(address)), QMessageBox::Warning, QMessageBox::Ok});
    return false;
}

}  // namespace gb::widgets
