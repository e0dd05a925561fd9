#include "app/dialogs/bulk/CAutoMiscPage.h"

#include <QtWidgets/QTreeWidget>

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/TemplateTexts.h"
#include "app/core/fees/FeeListOrder.h"
#include "app/core/sheet/FeeList.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "app/dialogs/sheet/FeeListView.h"
#include "itemdb/FieldId.h"
#include "ui_CAutoMiscPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;
namespace field = gb::itemdb::field;

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
    FillList(*ui_->feesOther, field::OtherFees);
    FillList(*ui_->chargesOther, field::OtherCharges);
    gb::itemdb::CFeeSchedule fees = sources_.fees;
    for (const bool charges : {true, false}) {
        const Half half = HalfOf(*ui_, charges);
        const FeeListKind& kind = charges ? kChargeList : kFeeList;
        std::vector<FeeRow> rows;
        for (bool more = fees.MoveFirst(kind.feeType); more; more = fees.MoveNext(kind.feeType)) {
            if (fees.IsActive()) {
                const int entry = fees.GetCurrent();
                rows.push_back({entry, fees.GetName(), FeeAmountText(fees, entry), false});
            }
        }
        KeepFeeListColumnsSized(*half.list);
        FillFeeList(*half.list, kind, rows);
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
    const FeeListKind& kind = charges ? kChargeList : kFeeList;
    (item.*kind.clearCodes)();
    const std::vector<int> checked = CheckedEntries(*half.list);
    for (const int entry : checked) {
        (item.*kind.addCode)(entry);
    }
    half.status->setText(ToQt(SelectedText(static_cast<int>(checked.size()))));
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
