#pragma once
// The program's message boxes through the modal runner, under its title:
// Yes/No questions with the question icon and plain messages with OK.

#include <string_view>

class QWidget;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

// True when the user answered Yes.
bool AskYesNo(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view question);
void Tell(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view message);

}  // namespace gb::app::ui
