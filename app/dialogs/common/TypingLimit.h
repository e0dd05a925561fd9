#pragma once
// Length limits of edit boxes that limit typing only: a longer value loaded
// from the profile is shown and kept whole, and may be shortened, but no
// typing makes a text longer than the limit. Line edits must be given their
// texts through ShowWhole (the dialogs' SetText does), since a plain setText
// would cut the text at the limit.

class QComboBox;
class QString;
class QLineEdit;
class QPlainTextEdit;

namespace gb::app::ui {

// With `digitsOnly`, only the digits 0-9 can be typed.
void LimitTyping(QLineEdit& edit, int maxLength, bool digitsOnly = false);
void LimitTyping(QComboBox& combo, int maxLength);
void LimitTyping(QPlainTextEdit& edit, int maxLength);

// Shows a text in a line edit whole, whatever its limit.
void ShowWhole(QLineEdit& edit, const QString& text);

}  // namespace gb::app::ui
