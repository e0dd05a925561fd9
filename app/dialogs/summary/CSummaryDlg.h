#pragma once
// "Instant Summary": the money totals of the current folder or of the
// selected items, with what they bring in, what they cost and the profit.
// It opens on the selected items when at least two are selected, else on the
// folder; the "Summarize" buttons switch between the two.

#include <QtWidgets/QDialog>

#include <memory>
#include <span>

#include "app/core/summary/SummaryFigures.h"
#include "itemdb/ItemList.h"

namespace gb::app::ui::Ui {
class CSummaryDlg;
}

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class CSummaryDlg final : public QDialog {
    Q_OBJECT

public:
    // Keeps copies of both sets of totals: the dialog summarizes the folder
    // and the selection as they were when it opened, whatever an update
    // merges while it is open.
    CSummaryDlg(const gb::itemdb::CItemTotals& selected, const gb::itemdb::CItemTotals& folder,
                QWidget* parent = nullptr);
    ~CSummaryDlg() override;

    void OnCurrentFolder();
    void OnSelectedItems();
    Ui::CSummaryDlg& Form() { return *ui_; }

private:
    void Summarize(SummaryScope scope);
    void Calculate(const gb::itemdb::CItemTotals& totals);

    std::unique_ptr<Ui::CSummaryDlg> ui_;
    const gb::itemdb::CItemTotals selected_;
    const gb::itemdb::CItemTotals folder_;
};

// The item list's Instant Summary command: the summary of the selected items
// beside the totals of the folder on display.
void ShowInstantSummary(gb::widgets::ModalRunner& runner, QWidget* parent,
                        const gb::itemdb::CItemList& items,
                        std::span<const gb::itemdb::CItemList::ItemId> selection);

}  // namespace gb::app::ui
