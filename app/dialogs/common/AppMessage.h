#pragma once
// The program's messages by string ID, run through the modal runner, and the
// drop-down value lists the item pages offer.

#include <QtWidgets/QMessageBox>

#include <functional>
#include <string>
#include <vector>

class QComboBox;

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app::ui {

// A message of the program's string table (or a text of its own) under the
// program's name; the button pressed.
QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           const std::string& text,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QMessageBox::Icon icon = QMessageBox::Warning);
QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           int stringId,
                                           QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                           QMessageBox::Icon icon = QMessageBox::Warning);

// The stored values of a drop-down field by its field ID ("Combos").
using ValueListSource = std::function<std::vector<std::string>(int fieldId)>;

// Fills an editable combo box with a field's values and leaves its text empty.
void FillValueCombo(QComboBox& combo, const ValueListSource& lists, int fieldId);

}  // namespace gb::app::ui
