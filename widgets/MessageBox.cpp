#include "widgets/MessageBox.h"

#include "widgets/ModalRunner.h"

namespace gb::widgets {

QMessageBox::StandardButton ShowMessage(ModalRunner& runner, QWidget* parent,
                                        const MessageBoxSpec& spec) {
    QMessageBox box(spec.icon, spec.caption, spec.text, spec.buttons, parent);
    // The texts are the program's own plain texts; a '<' in them must not
    // turn them into markup.
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(runner.Run(box));
}

}  // namespace gb::widgets
