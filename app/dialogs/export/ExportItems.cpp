#include "app/dialogs/export/ExportItems.h"

#include <QtCore/QDir>
#include <QtCore/QFileInfo>
#include <QtCore/QStandardPaths>

#include "app/core/HeldItems.h"
#include "app/core/ListRows.h"
#include "app/core/UiStrings.h"
#include "app/core/export/ExportFile.h"
#include "app/core/export/ExportFormatter.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/export/CExportDlg.h"
#include "app/ui/WaitCursor.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace {

// Where an export goes unless the user chose a folder: the documents folder,
// or the home folder when there is none.
std::filesystem::path DocumentsFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return gb::widgets::PathFromQt(documents);
    }
    return gb::widgets::PathFromQt(QDir::homePath());
}

}  // namespace

void ExportItems(const ExportRequest& request, gb::Settings& user, gb::widgets::ModalRunner& runner,
                 QWidget* parent) {
    using gb::app::UiText;
    if (request.partiallyLoaded) {
        ShowAppMessage(runner, parent, UiText(string_id::PartialWarning));
    }
    if (request.rows.IsEmpty()) {
        ShowAppMessage(runner, parent, UiText(string_id::ExportFolderEmpty));
        return;
    }
    CExportDlg dialog(request.fees, ExportSettings::Load(user, DocumentsFolder()),
                      request.folderColumns, request.rows.Count(), runner, parent);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return;
    }
    const ExportSettings& choices = dialog.Choices();
    choices.Save(user);
    const ExportFormatter formatter(ExportFormatter::ColumnsOf(choices.columns, request.fees),
                                    choices.type, gb::ListSeparator(gb::kLocaleUserDefault));
    // The dialog ran the event loop: the rows are the items that exist now.
    const ListRows rows(request.rows.Resolve(), request.fees, request.folders);
    try {
        const WaitCursor wait;
        WriteExportFile(choices.target, formatter, rows);
    } catch (const gb::FileError&) {
        ShowAppMessage(runner, parent, UiText(string_id::ExportCannotAccess));
        return;
    }
    ShowAppMessage(runner, parent, ExportCompleteText(rows.Count(), request.rows.Count()),
                   QMessageBox::Ok, QMessageBox::Information);
}

}  // namespace gb::app::ui
