#include "app/dialogs/bulk/CAutoMiscPage.h"

#include <QtWidgets/QTreeWidget>

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/core/fees/FeeListOrder.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "itemdb/FieldId.h"
#include "ui_CAutoMiscPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;
namespace field = gb::itemdb::field;
namespace fee_type = gb::itemdb::fee_type;

namespace {

// One half of the page: the buyer's charges or the seller's fees.
struct Half {
    QCheckBox* itemize;
    QTreeWidget* list;
    QLabel* status;
    QCheckBox* add;
    QLabel* otherLabel;
    QComboBox* other;
};

Half HalfOf(Ui::CAutoMiscPage& form, bool charges) {
    return charges ? Half{form.chargesItemize, form.chargesList,       form.chargesStatus,
                          form.chargesAdd,     form.chargesOtherLabel, form.chargesOther}
                   : Half{form.feesItemize, form.feesList,       form.feesStatus,
                          form.feesAdd,     form.feesOtherLabel, form.feesOther};
}

}  // namespace

CAutoMiscPage::CAutoMiscPage(BulkTemplate& bulk, const BulkSheetSources& sources,
                             gb::widgets::ModalRunner& runner)
    : BulkPage(bulk, sources, runner) {
    FillValueCombo(*ui_->feesOther, sources_.lists, field::OtherFees);
    FillValueCombo(*ui_->chargesOther, sources_.lists, field::OtherCharges);
    ui_->chargesList->setHeaderLabels({tr("Charges to Buyer"), tr("Amount")});
    ui_->feesList->setHeaderLabels({tr("Fees to Seller"), tr("Amount")});
    gb::itemdb::CFeeSchedule fees = sources_.fees;
    for (const bool charges : {true, false}) {
        const Half half = HalfOf(*ui_, charges);
        const std::int32_t type = charges ? fee_type::Charge : fee_type::SellerFee;
        for (bool more = fees.MoveFirst(type); more; more = fees.MoveNext(type)) {
            if (!fees.IsActive()) {
                continue;
            }
            const int entry = fees.GetCurrent();
            auto* row = new QTreeWidgetItem(
                half.list, {ToQt(fees.GetName()), ToQt(FeeAmountText(fees, entry))});
            row->setData(0, Qt::UserRole, entry);
            row->setTextAlignment(1, Qt::AlignRight | Qt::AlignVCenter);
            row->setCheckState(0, Qt::Unchecked);
        }
        half.list->setColumnWidth(0, 150);
        connect(half.itemize, &QCheckBox::toggled, this,
                [this, charges] { ShowItemized(charges); });
        connect(half.list, &QTreeWidget::itemChanged, this,
                [this, charges] { OnRowChanged(charges); });
        ShowItemized(charges);
    }
}

CAutoMiscPage::~CAutoMiscPage() = default;

void CAutoMiscPage::ShowItemized(bool charges) {
    const Half half = HalfOf(*ui_, charges);
    const bool itemize = half.itemize->isChecked();
    half.list->setEnabled(itemize);
    half.list->setVisible(itemize);
    half.add->setVisible(itemize);
    half.otherLabel->setVisible(!itemize);
    half.other->setVisible(!itemize);
    (charges ? bulk_.Flags().itemizeCharges : bulk_.Flags().itemizeFees) = itemize;
    if (itemize) {
        OnRowChanged(charges);
    } else {
        half.status->setText(charges ? tr("Manually set buyer charges.")
                                     : tr("Manually set seller fees."));
    }
}

void CAutoMiscPage::OnRowChanged(bool charges) {
    const Half half = HalfOf(*ui_, charges);
    gb::itemdb::CAucItem& item = bulk_.Item();
    charges ? item.ClearItemizedCharges() : item.ClearItemizedFees();
    int checked = 0;
    for (int i = 0; i < half.list->topLevelItemCount(); ++i) {
        const QTreeWidgetItem* row = half.list->topLevelItem(i);
        if (row->checkState(0) == Qt::Checked) {
            const int entry = row->data(0, Qt::UserRole).toInt();
            charges ? item.AddItemizedCharge(entry) : item.AddItemizedFee(entry);
            ++checked;
        }
    }
    half.status->setText(tr("Selected: %1").arg(checked));
}

std::optional<std::string> CAutoMiscPage::Store() {
    bulk_.Flags().addToCharges = ui_->chargesAdd->isChecked();
    bulk_.Flags().addToFees = ui_->feesAdd->isChecked();
    const FieldText texts[] = {
        {field::OtherFees, TrimRight(FromQt(ui_->feesOther->currentText()))},
        {field::OtherCharges, TrimRight(FromQt(ui_->chargesOther->currentText()))},
    };
    return StoreTemplateTexts(bulk_.Item(), texts);
}

}  // namespace gb::app::ui
