#pragma once
// Links and the help of the main program's windows open through its shell
// service; when that fails, its message service tells the user: to visit the
// site himself, or which help file no program could show.

#include "widgets/HelpService.h"
#include "widgets/LinkOpener.h"

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

class ShellLinkOpener final : public gb::widgets::LinkOpener, public gb::widgets::HelpOpener {
public:
    ShellLinkOpener(ShellService& shell, MessageService& messages)
        : shell_(shell), messages_(messages) {}

    bool OpenLink(const std::string& address) override;
    // The help file at a place.
    bool Open(const QUrl& address) override;

private:
    ShellService& shell_;
    MessageService& messages_;
};

}  // namespace gb::app::ui
