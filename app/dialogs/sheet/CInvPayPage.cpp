#include "app/dialogs/sheet/CInvPayPage.h"

#include "app/dialogs/common/ControlText.h"
#include "app/dialogs/common/TypingLimit.h"
#include "app/dialogs/sheet/CInvSheet.h"
#include "app/dialogs/common/UserDateFormats.h"
#include "itemdb/FieldId.h"
#include "ui_CInvPayPage.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

CInvPayPage::CInvPayPage(CInvSheet& sheet) : sheet_(sheet), ui_(new Ui::CInvPayPage) {
    ui_->setupUi(this);
    UseUserDateFormats(*this);
    LimitTyping(*ui_->buyerId, 60);
    LimitTyping(*ui_->rating, 20, true);
    LimitTyping(*ui_->paymentMethod, 20);
    LimitTyping(*ui_->amtReceived, 20);
    LimitTyping(*ui_->transactionFee, 15);
    LimitTyping(*ui_->payNote, 200);
    ui_->paymentMethod->SetValueSource(sheet_.ValuesOf(itemdb::field::PaymentMethod));
    ui_->editLists->setEnabled(static_cast<bool>(sheet_.Services().editDropDownLists));
    connect(ui_->paymentMethod, &QComboBox::activated, this, &CInvPayPage::MethodChosen);
    connect(ui_->payDate, &CheckedDateEdit::DateChanged, this, &CInvPayPage::PayDateChanged);
    connect(ui_->editLists, &QPushButton::clicked, this,
            [this] { sheet_.Services().editDropDownLists(this); });
}

CInvPayPage::~CInvPayPage() = default;

void CInvPayPage::Load() {
    Show(PayPageTexts::Read(sheet_.Item()));
}

PayPageTexts CInvPayPage::Texts() const {
    return {Text(*ui_->buyerId),
            Text(*ui_->rating),
            Text(*ui_->invoiceAmt),
            Text(*ui_->endDate),
            Text(*ui_->paymentMethod),
            Text(*ui_->amtReceived),
            FromQDate(ui_->payDate->Date()),
            Text(*ui_->transactionFee),
            Text(*ui_->daysToPay),
            Text(*ui_->payNote)};
}

void CInvPayPage::Show(const PayPageTexts& texts) {
    SetText(*ui_->buyerId, texts.buyerId);
    SetText(*ui_->rating, texts.rating);
    SetText(*ui_->invoiceAmt, texts.invoiceAmt);
    SetText(*ui_->endDate, texts.endDate);
    SetText(*ui_->paymentMethod, texts.paymentMethod);
    SetText(*ui_->amtReceived, texts.amtReceived);
    ui_->payDate->SetDate(ToQDate(texts.payDate));
    SetText(*ui_->transactionFee, texts.transactionFee);
    SetText(*ui_->daysToPay, texts.daysToPay);
    SetText(*ui_->payNote, texts.payNote);
}

void CInvPayPage::MethodChosen(int index) {
    PayPageTexts texts = Texts();
    texts.ChooseMethod(widgets::FromQt(ui_->paymentMethod->itemText(index)), sheet_.Item(),
                       sheet_.Fees());
    Show(texts);
}

void CInvPayPage::PayDateChanged() {
    PayPageTexts texts = Texts();
    texts.PayDateChanged(sheet_.Item());
    Show(texts);
}

std::optional<std::string> CInvPayPage::Store() {
    return Texts().Store(sheet_.Item());
}

}  // namespace gb::app::ui
