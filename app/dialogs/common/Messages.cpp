#include "app/dialogs/common/Messages.h"

#include "app/core/DocumentStrings.h"
#include "widgets/MessageBox.h"
#include "widgets/QtText.h"

using gb::widgets::ToQt;

namespace gb::app::ui {

bool AskYesNo(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view question) {
    return gb::widgets::ShowMessage(runner, parent,
                                    {ToQt(gb::app::ApplicationTitle()), ToQt(question),
                                     QMessageBox::Question, QMessageBox::Yes | QMessageBox::No}) ==
           QMessageBox::Yes;
}

void Tell(gb::widgets::ModalRunner& runner, QWidget* parent, std::string_view message) {
    gb::widgets::ShowMessage(
        runner, parent,
        {ToQt(gb::app::ApplicationTitle()), ToQt(message), QMessageBox::Warning, QMessageBox::Ok});
}

}  // namespace gb::app::ui
