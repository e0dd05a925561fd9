#pragma once
// "Export Current Folder": chooses the columns, the layout and the file of an
// export. It starts from the stored choices and the folder's column set and
// hands the choices back after OK ("Export"); the caller stores them.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>

#include "app/core/export/ExportSettings.h"

namespace gb::app::ui::Ui {
class CExportDlg;
}  // namespace gb::app::ui::Ui

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class ColumnLists;

class CExportDlg final : public QDialog {
public:
    // `folderColumns`: the folder's column set; when empty, the stored one.
    CExportDlg(const gb::itemdb::CFeeSchedule& fees, const ExportSettings& stored,
               const std::string& folderColumns, std::size_t itemCount,
               gb::widgets::ModalRunner& runner, QWidget* parent = nullptr);
    ~CExportDlg() override;

    // The choices, valid after the dialog was accepted.
    const ExportSettings& Choices() const { return choices_; }

    void accept() override;

private:
    void OnBrowse();
    void OnTypeChanged(int index);
    void AdjustExtension();
    // Whether the target may be written: an existing file only when the user
    // agrees to overwrite it, and only a path that can be written.
    bool CheckTarget();

    std::unique_ptr<Ui::CExportDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    ColumnLists* columns_ = nullptr;
    ExportSettings choices_;
};

}  // namespace gb::app::ui
