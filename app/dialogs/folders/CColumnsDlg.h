#pragma once
// "Edit Columns": a folder's name, description and the columns its item list
// shows, in order. A fixed folder's name and description cannot be changed.

#include <QtWidgets/QDialog>

#include <memory>

#include "app/core/folders/FolderEdit.h"

class QLineEdit;
class QListWidget;

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app::ui {

class ColumnLists;

namespace Ui {
class CColumnsDlg;
}  // namespace Ui

class CColumnsDlg final : public QDialog {
    Q_OBJECT

public:
    CColumnsDlg(const FolderEditValues& values, const gb::itemdb::CFeeSchedule& fees,
                QWidget* parent = nullptr);
    ~CColumnsDlg() override;

    // The values as edited; the column set in the order shown.
    FolderEditValues Values() const;

    QLineEdit* NameEdit() const;
    QLineEdit* DescriptionEdit() const;
    QListWidget* AvailableList() const;
    QListWidget* ShownList() const;

    void OnAdd();
    void OnRemove();
    void OnMove(int delta);

private:
    std::unique_ptr<Ui::CColumnsDlg> ui_;
    bool fixed_;
    ColumnLists* columns_ = nullptr;
};

}  // namespace gb::app::ui
