#pragma once
// "List Value": one value of a drop-down field's list. A monetary field's
// value is an amount, shown back in the user's currency format.

#include <QtWidgets/QDialog>

#include <memory>
#include <optional>
#include <string>

class QLineEdit;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CListValueDlg;
}  // namespace Ui

class CListValueDlg final : public QDialog {
    Q_OBJECT

public:
    CListValueDlg(bool monetary, const std::string& value, gb::widgets::ModalRunner& runner,
                  QWidget* parent = nullptr);
    ~CListValueDlg() override;

    // Runs the dialog; the value entered, nothing when cancelled.
    static std::optional<std::string> Ask(gb::widgets::ModalRunner& runner, QWidget* parent,
                                          bool monetary, const std::string& value = {});

    std::string Value() const;
    QLineEdit* ValueEdit() const;

    // An empty value is refused: for an amount with the message that asks
    // for one, otherwise silently.
    void accept() override;
    void reject() override;

private:
    std::unique_ptr<Ui::CListValueDlg> ui_;
    bool monetary_;
    gb::widgets::ModalRunner& runner_;
};

}  // namespace gb::app::ui
