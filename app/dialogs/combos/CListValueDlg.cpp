#include "app/dialogs/combos/CListValueDlg.h"

#include "app/core/combos/ComboLists.h"
#include "app/dialogs/common/Messages.h"
#include "ui_CListValueDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace gb::app::ui {

CListValueDlg::CListValueDlg(bool monetary, const std::string& value,
                             gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CListValueDlg>()),
      monetary_(monetary),
      runner_(runner) {
    ui_->setupUi(this);
    ui_->value->setText(ToQt(value));
}

CListValueDlg::~CListValueDlg() = default;

std::optional<std::string> CListValueDlg::Ask(gb::widgets::ModalRunner& runner, QWidget* parent,
                                              bool monetary, const std::string& value) {
    CListValueDlg dialog(monetary, value, runner, parent);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Value();
}

std::string CListValueDlg::Value() const {
    return FromQt(ui_->value->text());
}

QLineEdit* CListValueDlg::ValueEdit() const {
    return ui_->value;
}

void CListValueDlg::accept() {
    const ListValueCheck check = CheckListValue(Value(), monetary_);
    ui_->value->setText(ToQt(check.value.value_or(std::string())));
    if (check.value) {
        QDialog::accept();
    } else if (check.askAmount) {
        Tell(runner_, this, "Enter a monetary amount");
    }
}

void CListValueDlg::reject() {
    ui_->value->clear();
    QDialog::reject();
}

}  // namespace gb::app::ui
