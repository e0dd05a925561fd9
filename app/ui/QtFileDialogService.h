#pragma once
// The file dialogs over the main window, run through the modal runner.

#include <QtCore/QPointer>
#include <QtWidgets/QFileDialog>
#include <QtWidgets/QWidget>

#include "app/core/FileDialogService.h"

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class QtFileDialogService final : public FileDialogService {
public:
    explicit QtFileDialogService(gb::widgets::ModalRunner& runner) : runner_(runner) {}

    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::filesystem::path> AskOpenFile(std::string_view title,
                                                     std::string_view filter) override;
    std::optional<std::filesystem::path> AskSaveFile(
        std::string_view title, std::string_view filter,
        const std::filesystem::path& proposal) override;

private:
    std::optional<std::filesystem::path> Run(QFileDialog& dialog);

    gb::widgets::ModalRunner& runner_;
    QPointer<QWidget> parent_;
};

}  // namespace gb::app::ui
