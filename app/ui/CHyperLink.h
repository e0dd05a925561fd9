#pragma once
// A text that opens a web address when clicked: bold and underlined, with the
// hand cursor. Without a target of its own it opens its text.

#include <QtWidgets/QLabel>

#include <string>

namespace gb::app {
class MessageService;
class ShellService;
}  // namespace gb::app

namespace gb::app::ui {

class CHyperLink final : public QLabel {
public:
    CHyperLink(ShellService& shell, MessageService& messages, QWidget* parent = nullptr);

    void SetTarget(std::string target) { target_ = std::move(target); }
    // Opens the target; false when there is none or it cannot be opened (the
    // user is then asked to visit the site himself).
    bool Follow();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    ShellService& shell_;
    MessageService& messages_;
    std::string target_;
};

}  // namespace gb::app::ui
