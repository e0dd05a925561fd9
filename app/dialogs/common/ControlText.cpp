#include "app/dialogs/common/ControlText.h"

#include <QtWidgets/QComboBox>
#include <QtWidgets/QLineEdit>
#include <QtWidgets/QPlainTextEdit>

#include "app/dialogs/common/TypingLimit.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using widgets::FromQt;
using widgets::ToQt;

void SetText(QLineEdit& edit, const std::string& text) {
    ShowWhole(edit, ToQt(text));
    edit.setCursorPosition(0);
}

void SetText(QComboBox& combo, const std::string& text) {
    combo.setCurrentIndex(-1);
    if (QLineEdit* edit = combo.lineEdit()) {
        ShowWhole(*edit, ToQt(text));
    } else {
        combo.setEditText(ToQt(text));
    }
}

void SetText(QPlainTextEdit& edit, const std::string& text) {
    edit.setPlainText(ToQt(text));
}

std::string Text(const QLineEdit& edit) {
    return FromQt(edit.text());
}

std::string Text(const QComboBox& combo) {
    return FromQt(combo.currentText());
}

std::string Text(const QPlainTextEdit& edit) {
    return FromQt(edit.toPlainText());
}

std::optional<QDate> ToQDate(const std::optional<PickedDate>& date) {
    return date ? std::optional(QDate(date->year, date->month, date->day)) : std::nullopt;
}

std::optional<PickedDate> FromQDate(const std::optional<QDate>& date) {
    if (!date) {
        return std::nullopt;
    }
    return PickedDate{date->year(), date->month(), date->day()};
}

}  // namespace gb::app::ui
