#include "widgets/CHistoryCombo.h"

#include <QtGui/QFocusEvent>
#include <QtWidgets/QLineEdit>

#include <algorithm>

#include "platform/Settings.h"
#include "widgets/QtText.h"

namespace gb::widgets {

namespace {

std::string ValueName(int index) {
    return "String" + std::to_string(index);
}

}  // namespace

CHistoryCombo::CHistoryCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    // The list changes only through AddText, never by Qt's own insertion on Enter.
    setInsertPolicy(QComboBox::NoInsert);
}

void CHistoryCombo::SetSection(const std::string& section, int maximum) {
    section_ = section;
    maximum_ = maximum;
    LoadStrings();
}

std::string CHistoryCombo::SectionKey() const {
    return std::string(kApplicationKey) + "\\" + section_;
}

void CHistoryCombo::LoadStrings() {
    clear();
    const Settings& settings = Settings::CurrentUser();
    const std::string key = SectionKey();
    for (int index = 0; index < maximum_; ++index) {
        const std::string text = settings.GetString(key, ValueName(index));
        if (text.empty()) {
            break;
        }
        addItem(ToQt(text));
    }
}

bool CHistoryCombo::SaveStrings() const {
    const int stored = std::min(maximum_, count());
    const std::string key = SectionKey();
    return Settings::CurrentUser().Edit([&](SettingsKey& root) {
        SettingsKey& section = root.CreateKey(key);
        for (int index = 0; index < stored; ++index) {
            section.SetValue(ValueName(index), SettingsValue::Text(FromQt(itemText(index))));
        }
        return true;
    });
}

QString CHistoryCombo::GetCurrentText() const {
    // The edit shows the selected entry until the user types over it.
    return currentText();
}

void CHistoryCombo::AddText(const QString& text, bool addToHistory) {
    setEditText(text);
    if (text.isEmpty() || !addToHistory) {
        return;
    }
    const int match = findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (match >= 0) {
        removeItem(match);
    } else {
        while (count() > 0 && count() >= maximum_) {
            removeItem(count() - 1);
        }
    }
    insertItem(0, text);
    setCurrentIndex(0);
    setEditText(text);
}

void CHistoryCombo::focusOutEvent(QFocusEvent* event) {
    // Opening the list takes the focus for a moment; that is not leaving.
    if (event->reason() != Qt::PopupFocusReason) {
        AddText(GetCurrentText(), true);
    }
    QComboBox::focusOutEvent(event);
}

}  // namespace gb::widgets
