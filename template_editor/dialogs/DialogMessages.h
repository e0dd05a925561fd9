#pragma once
// The editor's messages and Yes/No questions, run through the modal runner.

#include <string_view>

class QWidget;

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

void Tell(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view text);
// True when the user answers Yes.
bool Ask(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view question);

}  // namespace gb::editor
