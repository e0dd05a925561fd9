#include "app/ui/ShellLinkOpener.h"

#include "app/core/MessageService.h"
#include "app/core/ShellService.h"

namespace gb::app::ui {

bool ShellLinkOpener::OpenLink(const std::string& address) {
    if (shell_.OpenLink(address)) {
        return true;
    }
    messages_.Show(gb::widgets::CannotOpenLinkText(address), MessageButtons::Ok,
                   MessageIcon::Warning);
    return false;
}

}  // namespace gb::app::ui
