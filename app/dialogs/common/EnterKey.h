#pragma once
// Enter in a multi-line edit box that should not take new lines: the key goes
// to the dialog, which ends with its default button as from any other box.

class QPlainTextEdit;

namespace gb::app::ui {

void LetEnterAccept(QPlainTextEdit& edit);

}  // namespace gb::app::ui
