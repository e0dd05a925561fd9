#include "app/core/sheet/InvoicePageTexts.h"

#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;

InvoicePageTexts InvoicePageTexts::Read(const CAucItem& item) {
    std::string endTime;
    if (!item.GetEndTimeOfDay(endTime) && item.GetDateValue(field::EndDate)->IsNull()) {
        endTime.clear();
    }
    return {EditText(item, field::BuyerId),    EditText(item, field::Email),
            EditText(item, field::Rating),     EditText(item, field::MaxBid),
            EditText(item, field::SHCharge),   EditText(item, field::OtherCharges),
            EditText(item, field::InvoiceAmt), EditText(item, field::StartDate),
            EditText(item, field::EndDate),    endTime,
            EditText(item, field::InvoiceNote)};
}

std::optional<std::string> InvoicePageTexts::Store(CAucItem& item) const {
    const FieldEdit edits[] = {{field::BuyerId, buyerId},         {field::Email, email},
                               {field::MaxBid, maxBid},           {field::SHCharge, shCharge},
                               {field::InvoiceNote, invoiceNote}, {field::Rating, rating}};
    return StoreInOrder(item, edits);
}

}  // namespace gb::app
