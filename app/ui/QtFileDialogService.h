#pragma once
// The desktop's file dialogs, over the main window.

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "app/core/FileDialogService.h"

namespace ui {

class QtFileDialogService final : public FileDialogService {
public:
    void SetParent(QWidget* parent) { parent_ = parent; }

    std::optional<std::filesystem::path> AskOpenFile(std::string_view title,
                                                     std::string_view filter) override;
    std::optional<std::filesystem::path> AskSaveFile(
        std::string_view title, std::string_view filter,
        const std::filesystem::path& proposal) override;

private:
    QPointer<QWidget> parent_;
};

}  // namespace ui
