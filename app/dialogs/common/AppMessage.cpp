#include "app/dialogs/common/AppMessage.h"

#include "app/core/UiStrings.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

QMessageBox::StandardButton ShowAppMessage(gb::widgets::ModalRunner& runner, QWidget* parent,
                                           std::string_view text, QMessageBox::Icon icon,
                                           QMessageBox::StandardButtons buttons) {
    return gb::widgets::ShowMessage(runner, parent,
                                    {gb::widgets::ToQt(::ui::UiText(string_id::ApplicationName)),
                                     gb::widgets::ToQt(text), icon, buttons});
}

}  // namespace gb::app::ui
