#include "app/ui/QtFileDialogService.h"

#include <QtWidgets/QFileDialog>

#include "app/ui/QtText.h"

namespace ui {

namespace {

std::optional<std::filesystem::path> Chosen(const QString& path) {
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return PathFromQt(path);
}

}  // namespace

std::optional<std::filesystem::path> QtFileDialogService::AskOpenFile(std::string_view title,
                                                                      std::string_view filter) {
    return Chosen(QFileDialog::getOpenFileName(parent_, ToQt(title), QString(), ToQt(filter)));
}

std::optional<std::filesystem::path> QtFileDialogService::AskSaveFile(
    std::string_view title, std::string_view filter, const std::filesystem::path& proposal) {
    return Chosen(
        QFileDialog::getSaveFileName(parent_, ToQt(title), PathToQt(proposal), ToQt(filter)));
}

}  // namespace ui
