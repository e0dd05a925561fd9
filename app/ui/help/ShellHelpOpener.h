#pragma once
// Opens the help through the window's shell service, as it opens every other
// link; when no program can show it, the user is told which file it was.

#include "widgets/HelpService.h"

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

class ShellHelpOpener final : public gb::widgets::HelpOpener {
public:
    ShellHelpOpener(ShellService& shell, MessageService& messages)
        : shell_(shell), messages_(messages) {}

    bool Open(const QUrl& address) override;

private:
    ShellService& shell_;
    MessageService& messages_;
};

}  // namespace gb::app::ui
