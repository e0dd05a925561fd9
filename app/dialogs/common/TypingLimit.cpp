#include "app/dialogs/common/TypingLimit.h"

#include <algorithm>

#include <QtCore/QRegularExpression>
#include <QtGui/QRegularExpressionValidator>
#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>

namespace gb::app::ui {

void LimitTyping(QLineEdit& edit, int maxLength, bool digitsOnly) {
    // The line edit's own maximum follows the text shown when it is longer, so
    // that deleting shortens it and typing never lengthens it past the limit.
    edit.setMaxLength(std::max(maxLength, static_cast<int>(edit.text().size())));
    QObject::connect(&edit, &QLineEdit::textChanged, &edit,
                     [&edit, maxLength](const QString& text) {
                         edit.setMaxLength(std::max(maxLength, static_cast<int>(text.size())));
                     });
    if (digitsOnly) {
        edit.setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &edit));
    }
}

void ShowWhole(QLineEdit& edit, const QString& text) {
    edit.setMaxLength(std::max(edit.maxLength(), static_cast<int>(text.size())));
    edit.setText(text);
}

void LimitTyping(QComboBox& combo, int maxLength) {
    if (QLineEdit* edit = combo.lineEdit()) {
        LimitTyping(*edit, maxLength);
    }
}

void LimitTyping(QPlainTextEdit& edit, int maxLength) {
    // The text before each typed change. A text the program sets clears the
    // undo history, which tells it from typing.
    auto* before = new QString;
    QObject::connect(&edit, &QObject::destroyed, [before] { delete before; });
    QObject::connect(&edit, &QPlainTextEdit::textChanged, &edit, [&edit, before, maxLength] {
        const QString text = edit.toPlainText();
        const bool typed = edit.document()->isUndoAvailable();
        if (typed && text.size() > maxLength && text.size() > before->size()) {
            const QString kept = *before;
            edit.setPlainText(kept);
            edit.moveCursor(QTextCursor::End);
            return;
        }
        *before = text;
    });
}

}  // namespace gb::app::ui
