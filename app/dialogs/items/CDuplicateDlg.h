#pragma once
// "Create Duplicate Item": the new item's auction ID, description, buyer,
// rating, e-mail, start and end. OK checks the entries through the caller's
// check and stays open with its message when one fails.

#include <QtWidgets/QDialog>

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "app/core/items/DuplicateItem.h"

class QDateEdit;
class QDateTimeEdit;
class QLineEdit;
class QTimeEdit;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CDuplicateDlg;
}  // namespace Ui

class CDuplicateDlg final : public QDialog {
    Q_OBJECT

public:
    // The check stores the entries when they pass; otherwise it gives the
    // message to show.
    using Check = std::function<std::optional<std::string>(const DuplicateEntries&)>;

    CDuplicateDlg(const DuplicateEntries& entries, Check check, gb::widgets::ModalRunner& runner,
                  QWidget* parent = nullptr);
    ~CDuplicateDlg() override;

    DuplicateEntries Entries() const;

    QLineEdit* AuctionIdEdit() const;
    QLineEdit* BuyerIdEdit() const;
    QDateTimeEdit* StartEdit() const;
    QDateEdit* EndDateEdit() const;
    QTimeEdit* EndTimeEdit() const;

    void accept() override;

private:
    std::unique_ptr<Ui::CDuplicateDlg> ui_;
    Check check_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
