#pragma once
// "Edit Fee Schedule": edits the current entry of a copy of the whole fee
// schedule; the caller takes the copy back after OK.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>
#include <vector>

#include "app/core/fees/CalcEntryEdit.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app::ui::Ui {
class CCalcEditDlg;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app::ui {

class CCalcEditDlg final : public QDialog {
    Q_OBJECT

public:
    CCalcEditDlg(gb::widgets::ModalRunner& runner, const gb::itemdb::CFeeSchedule& schedule,
                 const std::vector<std::string>& paymentMethods, QWidget* parent = nullptr);
    ~CCalcEditDlg() override;

    const gb::itemdb::CFeeSchedule& Schedule() const { return schedule_; }
    Ui::CCalcEditDlg& Form() { return *ui_; }

    void accept() override;

private:
    void OnTypeChanged();
    void FillFields(std::int32_t type);
    void OnCalculationChanged();
    void OnInactiveChanged();
    void ShowSelectedCount();
    CalcEntryForm ReadForm() const;

    std::unique_ptr<Ui::CCalcEditDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    gb::itemdb::CFeeSchedule schedule_;
    // The factor as first shown: an OK with the same text keeps the factor.
    QString shownFactor_;
};

}  // namespace gb::app::ui
