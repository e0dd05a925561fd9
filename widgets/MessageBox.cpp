#include "widgets/MessageBox.h"

#include "widgets/ModalRunner.h"

namespace gb::widgets {

QMessageBox::StandardButton ShowMessage(ModalRunner& runner, QWidget* parent,
                                        const MessageBoxContent& message) {
    QMessageBox box(message.icon, message.caption, message.text, message.buttons, parent);
    // The texts are the program's own plain texts; a '<' in them must not
    // turn them into markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(runner.Run(box));
}

}  // namespace gb::widgets
