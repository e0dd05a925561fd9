#pragma once
// "Fee Schedule": the list of the 32 calculated fields. A header click sorts
// by that column (a second click reverses); Edit (or a double click) edits an
// entry on a copy of the schedule, takes it back after OK and saves the
// schedule at once; Close makes the list's type-and-description order the
// entries' display order.

#include <QtWidgets/QDialog>

#include <memory>
#include <string>
#include <vector>

#include "app/core/fees/FeeListOrder.h"

namespace gb::app::ui::Ui {
class CFeeSchdDlg;
}

namespace gb::itemdb {
class CFeeSchedule;
}

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app::ui {

class CFeeSchdDlg final : public QDialog {
    Q_OBJECT

public:
    CFeeSchdDlg(gb::widgets::ModalRunner& runner, gb::itemdb::CFeeSchedule& schedule,
                std::vector<std::string> paymentMethods, QWidget* parent = nullptr);
    ~CFeeSchdDlg() override;

    Ui::CFeeSchdDlg& Form() { return *ui_; }
    // The entry numbers in the list's order.
    const std::vector<int>& Rows() const { return rows_; }

    void SortByColumn(FeeColumn column);
    void EditSelected();
    void reject() override;

private:
    void Fill(int selectedEntry);
    int SelectedEntry() const;

    std::unique_ptr<Ui::CFeeSchdDlg> ui_;
    gb::widgets::ModalRunner& runner_;
    gb::itemdb::CFeeSchedule& schedule_;
    std::vector<std::string> paymentMethods_;
    std::vector<int> rows_;
};

// The Fee Schedule command: runs the list on the program's schedule.
void EditFeeSchedule(gb::widgets::ModalRunner& runner, QWidget* parent,
                     gb::itemdb::CFeeSchedule& schedule, std::vector<std::string> paymentMethods);

}  // namespace gb::app::ui
