#include "app/core/sheet/ChargePageTexts.h"

#include "app/core/sheet/FeeList.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;

ChargePageTexts ChargePageTexts::Read(const CAucItem& item) {
    return {EditText(item, field::AuctionType), EditText(item, field::MaxBid),
            EditText(item, field::SHCharge),    EditText(item, field::OtherCharges),
            EditText(item, field::InvoiceAmt),  EditText(item, field::ChargeNote)};
}

void ChargePageTexts::RowsChanged(CAucItem& item, itemdb::CFeeSchedule& fees,
                                  std::span<const int> checkedEntries) {
    item.SetChargeNote(chargeNote);
    item.SetAuctionType(auctionType);
    ApplyCheckedRows(item, fees, kChargeList, checkedEntries);
    otherCharges = EditText(item, field::OtherCharges);
    invoiceAmt = EditText(item, field::InvoiceAmt);
}

std::optional<std::string> ChargePageTexts::Store(CAucItem& item) const {
    const FieldEdit amount[] = {{field::OtherCharges, otherCharges}};
    std::optional<std::string> refusal = StoreInOrder(item, amount);
    item.SetChargeNote(chargeNote);
    item.SetAuctionType(auctionType);
    return refusal;
}

}  // namespace gb::app
