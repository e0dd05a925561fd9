#include "app/ui/ShellLinkOpener.h"

#include "app/core/MessageService.h"
#include "app/core/ShellService.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;

bool ShellLinkOpener::OpenLink(const std::string& address) {
    if (shell_.OpenLink(address)) {
        return true;
    }
    messages_.Show(gb::widgets::CannotOpenLinkText(address), MessageButtons::Ok,
                   MessageIcon::Warning);
    return false;
}

bool ShellLinkOpener::Open(const QUrl& address) {
    if (shell_.OpenLink(FromQt(address.toString()))) {
        return true;
    }
    messages_.Show(gb::widgets::NoHelpProgramText(FromQt(address.toLocalFile())),
                   MessageButtons::Ok, MessageIcon::Warning);
    return false;
}

}  // namespace gb::app::ui
