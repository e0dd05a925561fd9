#include "app/dialogs/hints/CExplainDlg.h"

#include <QtWidgets/QStyle>

#include "app/core/UiStrings.h"
#include "ui_CExplainDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CExplainDlg::CExplainDlg(int stringId, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CExplainDlg>()) {
    ui_->setupUi(this);
    ui_->picture->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32));
    ui_->text->setPlainText(stringId > 0 ? gb::widgets::ToQt(UiText(stringId)) : QString());
}

CExplainDlg::~CExplainDlg() = default;

bool CExplainDlg::Ask(gb::widgets::ModalRunner& runner, QWidget* parent, int stringId) {
    CExplainDlg dialog(stringId, parent);
    return runner.Run(dialog) == QDialog::Accepted && dialog.DoNotShowAgain();
}

bool CExplainDlg::DoNotShowAgain() const {
    return ui_->doNotShow->isChecked();
}

QString CExplainDlg::Text() const {
    return ui_->text->toPlainText();
}

QCheckBox* CExplainDlg::DoNotShowBox() const {
    return ui_->doNotShow;
}

}  // namespace gb::app::ui
