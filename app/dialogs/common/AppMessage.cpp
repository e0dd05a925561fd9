#include "app/dialogs/common/AppMessage.h"

#include <QtWidgets/QComboBox>

#include "app/core/UiStrings.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           const std::string& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::Icon icon) {
    return gb::widgets::ShowMessage(runner, parent,
                                    {gb::widgets::ToQt(gb::app::UiText(string_id::ApplicationName)),
                                     gb::widgets::ToQt(text), icon, buttons});
}

QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           int stringId, QMessageBox::StandardButtons buttons,
                                           QMessageBox::Icon icon) {
    return ShowAppMessage(runner, parent, gb::app::UiText(stringId), buttons, icon);
}

void FillValueCombo(QComboBox& combo, const ValueListSource& lists, int fieldId) {
    combo.clear();
    if (lists) {
        for (const std::string& value : lists(fieldId)) {
            combo.addItem(gb::widgets::ToQt(value));
        }
    }
    combo.setCurrentIndex(-1);
    combo.setEditText({});
}

}  // namespace gb::app::ui
