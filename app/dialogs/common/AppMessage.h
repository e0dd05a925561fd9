#pragma once
// A message box of the main program, with its name as the caption, run
// through the modal runner.

#include <QtWidgets/QMessageBox>

#include <string_view>

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

// `text` is Windows-1252. Gives the button pressed.
QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           std::string_view text,
                                           QMessageBox::Icon icon = QMessageBox::Warning,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok);

}  // namespace gb::app::ui
