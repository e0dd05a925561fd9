#pragma once
// "Add New Seller ID": a seller ID, its auction site (one of the installed
// site classes), an optional password, and whether the first update asks for
// the current listings only.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>
#include <vector>

#include "app/core/profile/ProfileEditing.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CSellerIdDlg;
}  // namespace Ui

class CSellerIdDlg final : public QDialog {
    Q_OBJECT

public:
    CSellerIdDlg(const std::vector<std::string>& siteNames, gb::widgets::ModalRunner& runner,
                 QWidget* parent = nullptr);
    ~CSellerIdDlg() override;

    // The seller ID entered; the site's class id is the caller's to look up.
    NewSellerId Seller() const;

    QComboBox* SiteBox() const;
    QLineEdit* SellerIdEdit() const;
    QLineEdit* PasswordEdit() const;
    QCheckBox* FastRetrievalBox() const;

    // Both a site and a seller ID are needed; without them the dialog says
    // so and stays.
    void accept() override;

private:
    std::unique_ptr<Ui::CSellerIdDlg> ui_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
