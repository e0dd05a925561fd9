#include "setup/remove/CloseProgramsQuestion.h"

#include "widgets/MessageBox.h"

namespace gb::setup::ui {

RunningPrograms::Question AskToCloseOnScreen(widgets::ModalRunner& runner, QWidget* parent,
                                             const QString& caption) {
    return [&runner, parent, caption](const std::string& text) {
        const QMessageBox::StandardButton pressed = widgets::ShowMessage(
            runner, parent,
            {caption,
             QString::fromStdString(text) +
                 QStringLiteral("\n\nChoose Retry when done, or Cancel to leave everything "
                                "as it is."),
             QMessageBox::Warning, QMessageBox::Retry | QMessageBox::Cancel});
        return pressed == QMessageBox::Retry ? RunningPrograms::Answer::Retry
                                             : RunningPrograms::Answer::Cancel;
    };
}

}  // namespace gb::setup::ui
