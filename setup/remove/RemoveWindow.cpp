#include "setup/remove/RemoveWindow.h"

#include "widgets/MessageBox.h"

namespace gb::setup::ui {

void ShowRemoveReport(widgets::ModalRunner& runner, const UninstallReport& report) {
    widgets::ShowMessage(
        runner, nullptr,
        {QStringLiteral("Remove Gavelbook"),
         QString::fromStdString(ReportSummary(report) + "\n\n" + ReportText(report)),
         report.Complete() ? QMessageBox::Information : QMessageBox::Warning, QMessageBox::Ok});
}

}  // namespace gb::setup::ui
