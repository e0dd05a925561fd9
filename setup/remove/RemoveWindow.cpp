#include "setup/remove/RemoveWindow.h"

#include "widgets/MessageBox.h"

namespace gb::setup::ui {

void ShowRemoveReport(widgets::ModalRunner& runner, const UninstallReport& report) {
    const bool failed = !report.problems.empty();
    widgets::ShowMessage(
        runner, nullptr,
        {QStringLiteral("Remove Gavelbook"),
         (failed ? QStringLiteral("Gavelbook could not be removed completely.\n\n")
                 : QStringLiteral("Gavelbook was removed.\n\n")) +
             QString::fromStdString(ReportText(report)),
         failed ? QMessageBox::Warning : QMessageBox::Information, QMessageBox::Ok});
}

}  // namespace gb::setup::ui
