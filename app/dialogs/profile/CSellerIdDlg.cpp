#include "app/dialogs/profile/CSellerIdDlg.h"

#include "app/core/UiStrings.h"
#include "app/dialogs/common/Messages.h"
#include "ui_CSellerIdDlg.h"
#include "widgets/QtText.h"

using gb::widgets::FromQt;

namespace gb::app::ui {

CSellerIdDlg::CSellerIdDlg(const std::vector<std::string>& siteNames,
                           gb::widgets::ModalRunner& runner, QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CSellerIdDlg>()), runner_(runner) {
    ui_->setupUi(this);
    for (const std::string& name : siteNames) {
        ui_->site->addItem(gb::widgets::ToQt(name));
    }
    ui_->site->setCurrentIndex(-1);
}

CSellerIdDlg::~CSellerIdDlg() = default;

NewSellerId CSellerIdDlg::Seller() const {
    NewSellerId seller;
    seller.sellerId = FromQt(ui_->sellerId->text());
    seller.siteName =
        ui_->site->currentIndex() < 0 ? std::string() : FromQt(ui_->site->currentText());
    seller.password = FromQt(ui_->password->text());
    seller.fastRetrieval = ui_->fastRetrieval->isChecked();
    return seller;
}

QComboBox* CSellerIdDlg::SiteBox() const {
    return ui_->site;
}

QLineEdit* CSellerIdDlg::SellerIdEdit() const {
    return ui_->sellerId;
}

QLineEdit* CSellerIdDlg::PasswordEdit() const {
    return ui_->password;
}

QCheckBox* CSellerIdDlg::FastRetrievalBox() const {
    return ui_->fastRetrieval;
}

void CSellerIdDlg::accept() {
    const NewSellerId seller = Seller();
    if (seller.siteName.empty() || seller.sellerId.empty()) {
        Tell(runner_, this, gb::app::UiText(string_id::SellerAndSiteNeeded));
        return;
    }
    QDialog::accept();
}

}  // namespace gb::app::ui
