#pragma once
// A message box run through the modal runner: the program's many OK messages
// and Yes/No questions.

#include <QtWidgets/QMessageBox>

namespace gb::widgets {

class ModalRunner;

struct MessageBoxContent {
    QString caption;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Warning;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
};

// The standard button the user pressed.
QMessageBox::StandardButton ShowMessage(ModalRunner& runner, QWidget* parent,
                                        const MessageBoxContent& message);

}  // namespace gb::widgets
