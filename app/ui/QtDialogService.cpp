#include "app/ui/QtDialogService.h"

#include "app/ui/CExplainDlg.h"
#include "app/ui/CProblemDlg.h"

namespace ui {

void QtDialogService::ShowProblems(const RetrievalProblems& problems) {
    CProblemDlg dialog(problems, parent_);
    dialog.exec();
}

bool QtDialogService::ShowHint(int stringId) {
    CExplainDlg dialog(stringId, parent_);
    return dialog.exec() == QDialog::Accepted && dialog.DoNotShowAgain();
}

}  // namespace ui
