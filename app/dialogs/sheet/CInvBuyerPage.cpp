#include "app/dialogs/sheet/CInvBuyerPage.h"

#include <QtCore/QSignalBlocker>

#include "app/core/sheet/SheetTexts.h"
#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "itemdb/FieldId.h"
#include "ui_CInvBuyerPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

namespace field = itemdb::field;

CInvBuyerPage::CInvBuyerPage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvBuyerPage) {
    ui_->setupUi(this);
    LimitTyping(*ui_->buyerId, 60);
    LimitTyping(*ui_->rating, 20, true);
    LimitTyping(*ui_->email, 60);
    LimitTyping(*ui_->maxBid, 20);
    LimitTyping(*ui_->shCharge, 20);
    LimitTyping(*ui_->invoiceNote, 200);
    ui_->shCharge->SetValueSource(sheet_.ValuesOf(field::SHCharge));
    connect(ui_->shCharge, &QComboBox::editTextChanged, this, &CInvBuyerPage::SHChargeEdited);
}

CInvBuyerPage::~CInvBuyerPage() = default;

void CInvBuyerPage::Load() {
    const InvoicePageTexts texts = InvoicePageTexts::Read(sheet_.Item());
    const QSignalBlocker blocker(ui_->shCharge);
    SetText(*ui_->buyerId, texts.buyerId);
    SetText(*ui_->email, texts.email);
    SetText(*ui_->rating, texts.rating);
    SetText(*ui_->maxBid, texts.maxBid);
    SetText(*ui_->shCharge, texts.shCharge);
    SetText(*ui_->otherCharges, texts.otherCharges);
    SetText(*ui_->invoiceAmt, texts.invoiceAmt);
    SetText(*ui_->startDate, texts.startDate);
    SetText(*ui_->endDate, texts.endDate);
    SetText(*ui_->endTime, texts.endTime);
    SetText(*ui_->invoiceNote, texts.invoiceNote);
}

InvoicePageTexts CInvBuyerPage::Texts() const {
    return {Text(*ui_->buyerId),    Text(*ui_->email),      Text(*ui_->rating),
            Text(*ui_->maxBid),     Text(*ui_->shCharge),   Text(*ui_->otherCharges),
            Text(*ui_->invoiceAmt), Text(*ui_->startDate),  Text(*ui_->endDate),
            Text(*ui_->endTime),    Text(*ui_->invoiceNote)};
}

void CInvBuyerPage::SHChargeEdited(const QString& text) {
    if (const auto amount = LiveInvoiceAmt(sheet_.Item(), field::SHCharge, widgets::FromQt(text))) {
        SetText(*ui_->invoiceAmt, *amount);
    }
}

std::optional<std::string> CInvBuyerPage::Store() {
    return Texts().Store(sheet_.Item());
}

}  // namespace gb::app::ui
