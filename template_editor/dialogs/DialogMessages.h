#pragma once
// The editor's messages and Yes/No questions, run through the modal runner.

#include <QtWidgets/QMessageBox>

#include <string_view>

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

void Tell(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view text);
// True when the user answers Yes.
bool Ask(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view question);
// Yes, No or Cancel: the button the user pressed (Cancel also for closing
// the box).
QMessageBox::StandardButton AskOrCancel(gb::widgets::ModalRunner& runner, QWidget* parent,
                                        std::string_view question);

}  // namespace gb::editor
