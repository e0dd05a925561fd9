#include "app/core/sheet/FeePageTexts.h"

#include "app/core/sheet/FeeList.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
namespace field = itemdb::field;

FeePageTexts FeePageTexts::Read(const CAucItem& item) {
    return {EditText(item, field::InsertionFee), EditText(item, field::FinalFee),
            EditText(item, field::OtherFees),    EditText(item, field::TransactionFee),
            EditText(item, field::TotalFees),    EditText(item, field::FeeNote)};
}

void FeePageTexts::RowsChanged(CAucItem& item, itemdb::CFeeSchedule& fees,
                               std::span<const int> checkedEntries) {
    const FieldEdit edits[] = {{field::InsertionFee, insertionFee},
                               {field::FinalFee, finalFee},
                               {field::FeeNote, feeNote}};
    StoreAll(item, edits);
    insertionFee = EditText(item, field::InsertionFee);
    finalFee = EditText(item, field::FinalFee);
    ApplyCheckedRows(item, fees, kFeeList, checkedEntries);
    otherFees = EditText(item, field::OtherFees);
    totalFees = EditText(item, field::TotalFees);
}

std::optional<std::string> FeePageTexts::Store(CAucItem& item) const {
    const FieldEdit amounts[] = {{field::FinalFee, finalFee},
                                 {field::InsertionFee, insertionFee},
                                 {field::OtherFees, otherFees}};
    std::optional<std::string> refusal = StoreInOrder(item, amounts);
    item.SetFeeNote(feeNote);
    return refusal;
}

}  // namespace gb::app
