#include "template_editor/dialogs/FieldDlg.h"

#include "template_editor/core/FieldTokens.h"
#include "ui_FieldDlg.h"
#include "widgets/QtText.h"

namespace gb::editor {

CFieldDlg::CFieldDlg(gb::itemdb::CFeeSchedule& schedule, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CFieldDlg>()) {
    ui_->setupUi(this);
    for (const std::string& name : FieldNames(schedule)) {
        ui_->fieldList->addItem(gb::widgets::ToQt(name));
    }
    connect(ui_->fieldList, &QListWidget::itemSelectionChanged, this, [this] {
        ui_->selectedCount->setText(QString::number(ui_->fieldList->selectedItems().size()));
    });
    connect(ui_->okButton, &QPushButton::clicked, this, &CFieldDlg::accept);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &CFieldDlg::reject);
}

CFieldDlg::~CFieldDlg() = default;

void CFieldDlg::accept() {
    result_.clear();
    for (int row = 0; row < ui_->fieldList->count(); ++row) {
        const QListWidgetItem* item = ui_->fieldList->item(row);
        if (item->isSelected()) {
            result_ += FieldToken(gb::widgets::FromQt(item->text()));
        }
    }
    QDialog::accept();
}

}  // namespace gb::editor
