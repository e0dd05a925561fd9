#include "app/dialogs/folders/CColumnsDlg.h"

#include <QtWidgets/QPushButton>

#include "app/dialogs/common/ColumnLists.h"
#include "ui_CColumnsDlg.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

CColumnsDlg::CColumnsDlg(const FolderEditValues& values, const gb::itemdb::CFeeSchedule& fees,
                         QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CColumnsDlg>()), fixed_(values.fixed) {
    ui_->setupUi(this);
    ui_->name->setText(ToQt(values.name));
    ui_->description->setText(ToQt(values.description));
    ui_->name->setEnabled(!fixed_);
    ui_->description->setEnabled(!fixed_);
    columns_ = new ColumnLists(
        ColumnChoice(values.columnSet, fees),
        {ui_->available, ui_->shown, ui_->add, ui_->remove, ui_->up, ui_->down}, this);
}

CColumnsDlg::~CColumnsDlg() = default;

FolderEditValues CColumnsDlg::Values() const {
    return {FromQt(ui_->name->text()), FromQt(ui_->description->text()),
            columns_->Choice().ColumnSetText(), fixed_};
}

QLineEdit* CColumnsDlg::NameEdit() const {
    return ui_->name;
}

QLineEdit* CColumnsDlg::DescriptionEdit() const {
    return ui_->description;
}

QListWidget* CColumnsDlg::AvailableList() const {
    return ui_->available;
}

QListWidget* CColumnsDlg::ShownList() const {
    return ui_->shown;
}

void CColumnsDlg::OnAdd() {
    columns_->OnAdd();
}

void CColumnsDlg::OnRemove() {
    columns_->OnRemove();
}

void CColumnsDlg::OnMove(int delta) {
    columns_->OnMove(delta);
}

}  // namespace gb::app::ui
