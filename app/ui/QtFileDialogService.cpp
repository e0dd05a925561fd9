#include "app/ui/QtFileDialogService.h"

#include <QtGui/QFileSystemModel>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTreeView>

#include "widgets/ListWidth.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::PathFromQt;
using gb::widgets::PathToQt;
using gb::widgets::ToQt;

std::optional<std::filesystem::path> QtFileDialogService::AskOpenFile(std::string_view title,
                                                                      std::string_view filter) {
    QFileDialog dialog(parent_, ToQt(title), QString(), ToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    return Run(dialog);
}

std::optional<std::filesystem::path> QtFileDialogService::AskSaveFile(
    std::string_view title, std::string_view filter, const std::filesystem::path& proposal) {
    QFileDialog dialog(parent_, ToQt(title), PathToQt(proposal), ToQt(filter));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    return Run(dialog);
}

std::optional<std::filesystem::path> QtFileDialogService::Run(QFileDialog& dialog) {
    // Qt's own dialog (where the desktop offers none) lists the files with
    // their sizes, types and dates, read in the background: each column as
    // wide as what it shows, and the list wide enough for all of them.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        const auto fit = [details] {
            for (int column = 1; column < details->header()->count(); ++column) {
                details->resizeColumnToContents(column);
            }
            gb::widgets::WidenForViewport(*details, details->header()->length());
        };
        fit();
        if (auto* files = qobject_cast<QFileSystemModel*>(details->model())) {
            QObject::connect(files, &QFileSystemModel::directoryLoaded, details, fit);
            QObject::connect(files, &QFileSystemModel::dataChanged, details, fit);
        }
    }
    if (runner_.Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(dialog.selectedFiles().front());
}

}  // namespace gb::app::ui
