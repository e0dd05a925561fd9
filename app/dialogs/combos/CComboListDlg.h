#pragma once
// "Customize Drop Down Lists": the value lists of the drop-down item fields,
// one field at a time. Changing the field and "Close" store the shown list
// when it changed.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>
#include <vector>

#include "app/core/combos/ComboLists.h"

class QComboBox;
class QListWidget;

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

namespace Ui {
class CComboListDlg;
}  // namespace Ui

class CComboListDlg final : public QDialog {
    Q_OBJECT

public:
    CComboListDlg(gb::app::MachineProfile& profile, gb::widgets::ModalRunner& runner,
                  QWidget* parent = nullptr);
    ~CComboListDlg() override;

    // The dialog of command 32833 (Drop Down Lists).
    static void Run(gb::widgets::ModalRunner& runner, QWidget* parent,
                    gb::app::MachineProfile& profile);

    QComboBox* FieldBox() const;
    QListWidget* ValueList() const;
    const std::vector<std::string>& Values() const { return values_; }

    void OnAdd();
    void OnEdit();
    void OnDelete();
    void OnMove(int delta);
    void OnClose();

private:
    void OnFieldChanged();
    void Show(int selected);
    const ComboField* Field() const;

    std::unique_ptr<Ui::CComboListDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    ComboListStore store_;
    // The field whose values are shown: an index into ComboFields(), or -1.
    int field_ = -1;
    std::vector<std::string> values_;
};

}  // namespace gb::app::ui
