#include "app/ui/QtFileDialogService.h"

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
    if (runner_.Run(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(dialog.selectedFiles().front());
}

}  // namespace gb::app::ui
