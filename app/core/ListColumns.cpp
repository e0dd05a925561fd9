#include "app/core/ListColumns.h"

#include <algorithm>
#include <array>

#include "app/core/UiStrings.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"

using namespace gb::itemdb;

namespace gb::app {

bool IsRightAlignedField(int fieldId) {
    static constexpr std::array kRightAligned{
        field::MinBid,    field::MaxBid,        field::Rating,         field::InsertionFee,
        field::FinalFee,  field::InsuranceCost, field::AmtReceived,    field::SHCharge,
        field::ShipCost,  field::InvoiceAmt,    field::ItemCost,       field::OtherFees,
        field::TotalFees, field::ChargeNote,    field::OtherCharges,   field::ReserveAmt,
        field::DaysToPay, field::DaysToShip,    field::TransactionFee,
    };
    return std::find(kRightAligned.begin(), kRightAligned.end(), fieldId) != kRightAligned.end();
}

std::vector<ListColumn> BuildListColumns(std::string_view columnSet, const CFeeSchedule& fees) {
    std::vector<ListColumn> columns;
    columns.push_back({ListColumn::kIconCode, UiText(field::Icon), false});
    const ColumnSet set = ColumnSet::Parse(columnSet);
    const std::vector<int>& codes = set.Codes();
    const std::size_t count = std::min(codes.size(), kMaxListCodes);
    for (std::size_t i = 0; i < count; ++i) {
        const int code = codes[i];
        if (ColumnSet::IsFeeEntry(code)) {
            const CFeeEntry& entry = fees.GetEntry(code);
            if (entry.IsActive()) {
                columns.push_back({code, entry.GetName(), true});
            }
        } else {
            const int fieldId = ColumnSet::FieldIdOf(code);
            columns.push_back({code, UiText(fieldId), IsRightAlignedField(fieldId)});
        }
    }
    return columns;
}

}  // namespace gb::app
