#pragma once
// "Move To Folder": the folders items can be moved to, as a tree under the
// root; OK once a folder other than the root is chosen.

#include <QtWidgets/QDialog>

#include <cstdint>
#include <memory>

#include "app/core/items/MoveFolders.h"

class QTreeWidget;

namespace gb::app::ui {

namespace Ui {
class CMoveFolderDlg;
}  // namespace Ui

class CMoveFolderDlg final : public QDialog {
    Q_OBJECT

public:
    explicit CMoveFolderDlg(const MoveFolderChoices& choices, QWidget* parent = nullptr);
    ~CMoveFolderDlg() override;

    // The folder chosen; 0 before any.
    std::int32_t ChosenFolder() const { return chosen_; }
    // Chooses the folder as a click on it does; false when it is not offered.
    bool Choose(std::int32_t folderId);

    QTreeWidget* Tree() const;

private:
    void OnChosen();

    std::unique_ptr<Ui::CMoveFolderDlg> ui_;
    std::int32_t chosen_ = 0;
};

}  // namespace gb::app::ui
