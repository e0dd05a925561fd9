#include "app/dialogs/summary/CSummaryDlg.h"

#include <QtWidgets/QLineEdit>

#include <string>
#include <utility>

#include "ui_CSummaryDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::itemdb::CItemTotals;
using gb::widgets::ToQt;

CSummaryDlg::CSummaryDlg(const CItemTotals& selected, const CItemTotals& folder, QWidget* parent)
    : QDialog(parent),
      ui_(std::make_unique<Ui::CSummaryDlg>()),
      selected_(selected),
      folder_(folder) {
    ui_->setupUi(this);
    connect(ui_->currentFolder, &QRadioButton::clicked, this, &CSummaryDlg::OnCurrentFolder);
    connect(ui_->selectedItems, &QRadioButton::clicked, this, &CSummaryDlg::OnSelectedItems);
    Summarize(InitialSummaryScope(selected_));
}

CSummaryDlg::~CSummaryDlg() = default;

void CSummaryDlg::OnCurrentFolder() {
    Summarize(SummaryScope::CurrentFolder);
}

void CSummaryDlg::OnSelectedItems() {
    Summarize(SummaryScope::SelectedItems);
}

void CSummaryDlg::Summarize(SummaryScope scope) {
    const bool folder = scope == SummaryScope::CurrentFolder;
    ui_->currentFolder->setChecked(folder);
    ui_->selectedItems->setChecked(!folder);
    ui_->totalsGroup->setTitle(folder ? tr("All Items") : tr("Selected Items"));
    Calculate(folder ? folder_ : selected_);
}

void CSummaryDlg::Calculate(const CItemTotals& totals) {
    const SummaryFigures figures = CalculateSummary(totals);
    const std::pair<QLineEdit*, const std::string&> fields[] = {
        {ui_->bidsCount, figures.bids.count},
        {ui_->bidsItemCost, figures.bids.itemCost},
        {ui_->bidsMinBid, figures.bids.minBid},
        {ui_->noBidsCount, figures.noBids.count},
        {ui_->noBidsItemCost, figures.noBids.itemCost},
        {ui_->noBidsMinBid, figures.noBids.minBid},
        {ui_->allCount, figures.all.count},
        {ui_->allItemCost, figures.all.itemCost},
        {ui_->allMinBid, figures.all.minBid},
        {ui_->maxBids, figures.maxBids},
        {ui_->shCharges, figures.shCharges},
        {ui_->otherCharges, figures.otherCharges},
        {ui_->totalInvoiced, figures.totalInvoiced},
        {ui_->received, figures.received},
        {ui_->profit, figures.profit},
        {ui_->itemCost, figures.itemCost},
        {ui_->totalShipping, figures.totalShipping},
        {ui_->insertionFees, figures.insertionFees},
        {ui_->finalFees, figures.finalFees},
        {ui_->otherFees, figures.otherFees},
        {ui_->transFees, figures.transFees},
        {ui_->totalExpense, figures.totalExpense},
    };
    for (const auto& [edit, text] : fields) {
        edit->setText(ToQt(text));
    }
}

void ShowInstantSummary(gb::widgets::ModalRunner& runner, QWidget* parent,
                        const gb::itemdb::CItemList& items,
                        std::span<const gb::itemdb::CItemList::ItemId> selection) {
    const CItemTotals selected = SelectionTotals(items, selection);
    CSummaryDlg dialog(selected, items.GetTotals(), parent);
    runner.Run(dialog);
}

}  // namespace gb::app::ui
