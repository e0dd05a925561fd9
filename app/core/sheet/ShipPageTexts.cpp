#include "app/core/sheet/ShipPageTexts.h"

#include "app/core/sheet/MultiLineText.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;

ShipPageTexts ShipPageTexts::Read(const CAucItem& item) {
    return {LinesForEditing(item.GetShippingAddress()),
            EditText(item, field::ShippingMethod),
            EditText(item, field::ShipCost),
            EditText(item, field::InsuranceCost),
            EditText(item, field::Weight),
            DateOfField(item, field::ShipDate),
            EditText(item, field::ShippingNote)};
}

void ShipPageTexts::ShipCostEntered() {
    if (!shipDate) {
        shipDate = Today();
    }
}

std::optional<std::string> ShipPageTexts::Store(CAucItem& item) const {
    item.SetShippingAddress(LinesForStoring(address, item.GetShippingAddress()));
    const FieldEdit amounts[] = {{field::ShipCost, shipCost},
                                 {field::InsuranceCost, insuranceCost}};
    std::optional<std::string> refusal = StoreInOrder(item, amounts);
    StorePickedDate(item, field::ShipDate, shipDate);
    const FieldEdit rest[] = {{field::Weight, weight},
                              {field::ShippingMethod, shippingMethod},
                              {field::ShippingNote, shippingNote}};
    StoreAll(item, rest);
    return refusal;
}

}  // namespace gb::app
