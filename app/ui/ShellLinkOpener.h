#pragma once
// Links of the main program's windows open through its shell service; when
// that fails, its message service asks the user to visit the site himself.

#include "widgets/LinkOpener.h"

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

class ShellLinkOpener final : public gb::widgets::LinkOpener {
public:
    ShellLinkOpener(ShellService& shell, MessageService& messages)
        : shell_(shell), messages_(messages) {}

    bool OpenLink(const std::string& address) override;

private:
    ShellService& shell_;
    MessageService& messages_;
};

}  // namespace gb::app::ui
