#include "app/core/sheet/FeeList.h"

#include <algorithm>

#include "itemdb/FieldId.h"

namespace gb::app {

using itemdb::CAucItem;
using itemdb::CFeeSchedule;

const FeeListKind kChargeList{itemdb::fee_type::Charge,        "Charges to Buyer",
                              &CAucItem::ClearItemizedCharges, &CAucItem::AddItemizedCharge,
                              &CAucItem::HasItemizedCharge,    &CFeeSchedule::CalcCharges,
                              itemdb::field::OtherCharges};

const FeeListKind kFeeList{itemdb::fee_type::SellerFee,  "Fees to Seller",
                           &CAucItem::ClearItemizedFees, &CAucItem::AddItemizedFee,
                           &CAucItem::HasItemizedFee,    &CFeeSchedule::CalcFees,
                           itemdb::field::OtherFees};

std::vector<FeeRow> BuildFeeRows(CFeeSchedule& fees, const CAucItem& item,
                                 const FeeListKind& kind) {
    fees.SetItem(item);
    std::vector<FeeRow> rows;
    for (bool more = fees.MoveFirst(kind.feeType); more; more = fees.MoveNext(kind.feeType)) {
        if (!fees.IsActive()) {
            continue;
        }
        FeeRow row{fees.GetCurrent(), fees.GetName(), {}, false};
        fees.Calculate(row.amount);
        row.checked = (item.*kind.hasCode)(row.entry);
        rows.push_back(std::move(row));
    }
    return rows;
}

void ApplyCheckedRows(CAucItem& item, CFeeSchedule& fees, const FeeListKind& kind,
                      std::span<const int> checkedEntries) {
    (item.*kind.clearCodes)();
    for (const int entry : checkedEntries) {
        (item.*kind.addCode)(entry);
    }
    fees.SetItem(item);
    std::string total;
    if (!(fees.*kind.total)(total, nullptr)) {
        total.clear();
    }
    item.SetFieldText(kind.totalField, total);
}

int CountChecked(const std::vector<FeeRow>& rows) {
    return static_cast<int>(
        std::count_if(rows.begin(), rows.end(), [](const FeeRow& row) { return row.checked; }));
}

std::string SelectedText(int count) {
    return "Selected: " + std::to_string(count);
}

}  // namespace gb::app
