#include "template_editor/dialogs/DocPrompts.h"

#include "template_editor/dialogs/DialogMessages.h"
#include "template_editor/dialogs/SaveDlg.h"
#include "widgets/ModalRunner.h"

namespace gb::editor {

bool DocPrompts::AskYesNo(std::string_view question) {
    return Ask(runner_, parent_, question);
}

Answer DocPrompts::AskYesNoCancel(std::string_view question) {
    switch (AskOrCancel(runner_, parent_, question)) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::optional<SaveAsChoice> DocPrompts::ChooseSaveAs(const std::filesystem::path& library,
                                                     int index) {
    CSaveDlg dialog(runner_, library, index, parent_);
    if (runner_.Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.GetChoice();
}

void DocPrompts::ShowMessage(std::string_view message) {
    Tell(runner_, parent_, message);
}

}  // namespace gb::editor
