#include "app/dialogs/sheet/CInvChargePage.h"

#include <QtCore/QSignalBlocker>

#include "app/core/sheet/FeeList.h"
#include "app/core/sheet/SheetTexts.h"
#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/sheet/FeeListView.h"
#include "itemdb/FieldId.h"
#include "ui_CInvChargePage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace field = itemdb::field;

CInvChargePage::CInvChargePage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvChargePage) {
    ui_->setupUi(this);
    LimitTyping(*ui_->auctionType, 20);
    LimitTyping(*ui_->otherCharges, 20);
    LimitTyping(*ui_->chargeNote, 200);
    ui_->otherCharges->SetValueSource(sheet_.ValuesOf(field::OtherCharges));

    const std::vector<FeeRow> rows = BuildFeeRows(sheet_.Fees(), sheet_.Item(), kChargeList);
    KeepFeeListColumnsSized(*ui_->charges);
    FillFeeList(*ui_->charges, kChargeList, rows);
    ui_->selected->setText(widgets::ToQt(SelectedText(CountChecked(rows))));
    connect(ui_->charges, &QTreeWidget::itemChanged, this, &CInvChargePage::RowChanged);
    connect(ui_->otherCharges, &QComboBox::editTextChanged, this,
            &CInvChargePage::OtherChargesEdited);
}

CInvChargePage::~CInvChargePage() = default;

void CInvChargePage::Load() {
    ui_->otherCharges->Refill();
    Show(ChargePageTexts::Read(sheet_.Item()));
}

ChargePageTexts CInvChargePage::Texts() const {
    return {Text(*ui_->auctionType),  Text(*ui_->maxBid),     Text(*ui_->shCharge),
            Text(*ui_->otherCharges), Text(*ui_->invoiceAmt), Text(*ui_->chargeNote)};
}

void CInvChargePage::Show(const ChargePageTexts& texts) {
    const QSignalBlocker blocker(ui_->otherCharges);
    SetText(*ui_->auctionType, texts.auctionType);
    SetText(*ui_->maxBid, texts.maxBid);
    SetText(*ui_->shCharge, texts.shCharge);
    SetText(*ui_->otherCharges, texts.otherCharges);
    SetText(*ui_->invoiceAmt, texts.invoiceAmt);
    SetText(*ui_->chargeNote, texts.chargeNote);
}

void CInvChargePage::RowChanged() {
    ChargePageTexts texts = Texts();
    const std::vector<int> checked = CheckedEntries(*ui_->charges);
    texts.RowsChanged(sheet_.Item(), sheet_.Fees(), checked);
    ui_->selected->setText(widgets::ToQt(SelectedText(static_cast<int>(checked.size()))));
    Show(texts);
}

void CInvChargePage::OtherChargesEdited(const QString& text) {
    if (const auto amount =
            LiveInvoiceAmt(sheet_.Item(), field::OtherCharges, widgets::FromQt(text))) {
        SetText(*ui_->invoiceAmt, *amount);
    }
}

std::optional<std::string> CInvChargePage::Store() {
    return Texts().Store(sheet_.Item());
}

}  // namespace gb::app::ui
