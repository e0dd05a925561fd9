#include "app/core/sheet/PayPageTexts.h"

#include "app/core/sheet/PaymentMethodFee.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;

PayPageTexts PayPageTexts::Read(const CAucItem& item) {
    return {EditText(item, field::BuyerId),       EditText(item, field::Rating),
            EditText(item, field::InvoiceAmt),    EditText(item, field::EndDate),
            EditText(item, field::PaymentMethod), EditText(item, field::AmtReceived),
            DateOfField(item, field::PayDate),    EditText(item, field::TransactionFee),
            EditText(item, field::DaysToPay),     EditText(item, field::PayNote)};
}

void PayPageTexts::ChooseMethod(std::string_view method, const CAucItem& item,
                                itemdb::CFeeSchedule& fees) {
    const std::optional<Money> received = item.GetMoneyValue(field::AmtReceived);
    if (received->IsNull() || (received->IsValid() && received->Units() == 0)) {
        amtReceived = invoiceAmt;
        if (!payDate) {
            payDate = Today();
        }
    }
    paymentMethod = method;

    std::optional<std::string> fee;
    if (const std::optional<CAucItem> paid = WithEdit(item, {field::AmtReceived, amtReceived})) {
        fee = PaymentMethodFee(fees, *paid, method);
    }
    transactionFee = fee.value_or(ZeroCurrencyText());
}

void PayPageTexts::PayDateChanged(const CAucItem& item) {
    CAucItem picked = item;
    StorePickedDate(picked, field::PayDate, payDate);
    daysToPay = EditText(picked, field::DaysToPay);
}

std::optional<std::string> PayPageTexts::Store(CAucItem& item) const {
    const FieldEdit amounts[] = {{field::AmtReceived, amtReceived},
                                 {field::TransactionFee, transactionFee}};
    if (std::optional<std::string> refusal = StoreInOrder(item, amounts)) {
        return refusal;
    }
    StorePickedDate(item, field::PayDate, payDate);
    const FieldEdit rest[] = {{field::PaymentMethod, paymentMethod},
                              {field::BuyerId, buyerId},
                              {field::Rating, rating},
                              {field::PayNote, payNote}};
    StoreAll(item, rest);
    return std::nullopt;
}

}  // namespace gb::app
