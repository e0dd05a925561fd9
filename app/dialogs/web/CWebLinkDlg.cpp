#include "app/dialogs/web/CWebLinkDlg.h"

#include "ui_CWebLinkDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;

CWebLinkDlg::CWebLinkDlg(const WebLink& link, const std::string& currentAddress, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CWebLinkDlg>()),
      currentAddress_(ToQt(currentAddress)) {
    ui_->setupUi(this);
    ui_->name->setText(ToQt(link.name));
    ui_->address->setText(ToQt(link.address));
    ui_->description->setText(ToQt(link.description));
    ui_->getCurrent->setEnabled(!currentAddress_.isEmpty());
    connect(ui_->getCurrent, &QPushButton::clicked, this, &CWebLinkDlg::OnGetCurrent);
}

CWebLinkDlg::~CWebLinkDlg() = default;

WebLink CWebLinkDlg::Link() const {
    return {FromQt(ui_->name->text()), FromQt(ui_->address->text()),
            FromQt(ui_->description->text())};
}

void CWebLinkDlg::OnGetCurrent() {
    ui_->address->setText(currentAddress_);
}

std::optional<WebLink> EditWebLink(gb::widgets::ModalRunner& runner, QWidget* parent,
                                   const WebLink& link, const std::string& currentAddress) {
    CWebLinkDlg dialog(link, currentAddress, parent);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return std::nullopt;
    }
    return dialog.Link();
}

}  // namespace gb::app::ui
