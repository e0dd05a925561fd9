#include "app/dialogs/common/FieldValueCombo.h"

#include <QtCore/QSignalBlocker>

#include "widgets/QtText.h"

namespace gb::app::ui {

FieldValueCombo::FieldValueCombo(QWidget* parent) : QComboBox(parent) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void FieldValueCombo::Refill() {
    const QString text = currentText();
    {
        const QSignalBlocker blocker(this);
        clear();
        if (source_) {
            for (const std::string& value : source_()) {
                addItem(widgets::ToQt(value));
            }
        }
        setCurrentIndex(-1);
        setEditText(text);
    }
}

void FieldValueCombo::showPopup() {
    Refill();
    QComboBox::showPopup();
}

}  // namespace gb::app::ui
