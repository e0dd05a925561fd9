#include "app/core/fees/FeeListOrder.h"

#include <algorithm>

#include "itemdb/FeeSchedule.h"
#include "platform/Cp1252.h"

namespace gb::app {

using gb::itemdb::CFeeEntry;
using gb::itemdb::CFeeSchedule;

namespace {

constexpr std::int64_t kFormulaAmount = 99999;

int TypeKey(const CFeeEntry& entry) {
    return entry.GetType() + (entry.IsActive() ? 0 : 10);
}

gb::Money AmountKey(const CFeeEntry& entry) {
    return entry.GetFieldCount() > 0
               ? gb::Money::FromUnits(kFormulaAmount * gb::Money::kUnitsPerWhole)
               : entry.GetBase();
}

// Null before invalid before valid.
int StatusRank(const gb::Money& amount) {
    return amount.IsNull() ? 0 : amount.IsValid() ? 2 : 1;
}

int CompareAmounts(const gb::Money& a, const gb::Money& b) {
    if (StatusRank(a) != StatusRank(b) || !a.IsValid()) {
        return StatusRank(a) - StatusRank(b);
    }
    return a.Units() < b.Units() ? -1 : a.Units() > b.Units() ? 1 : 0;
}

void StableSortBy(std::vector<int>& rows, FeeColumn column, const CFeeSchedule& schedule) {
    std::ranges::stable_sort(rows, [&](int a, int b) {
        return CompareFeeEntries(schedule.GetEntry(a), schedule.GetEntry(b), column) < 0;
    });
}

}  // namespace

int CompareFeeEntries(const CFeeEntry& a, const CFeeEntry& b, FeeColumn column) {
    switch (column) {
        case FeeColumn::Type:
            return TypeKey(a) - TypeKey(b);
        case FeeColumn::Name:
            return gb::cp1252::CompareNoCase(a.GetName(), b.GetName());
        case FeeColumn::Description:
            return gb::cp1252::CompareNoCase(a.GetDescription(), b.GetDescription());
        case FeeColumn::Amount:
            return CompareAmounts(AmountKey(a), AmountKey(b));
    }
    return 0;
}

std::vector<int> FeeRowsInDisplayOrder(CFeeSchedule& schedule) {
    std::vector<int> rows;
    for (bool more = schedule.MoveFirst(gb::itemdb::fee_type::Any); more;
         more = schedule.MoveNext(gb::itemdb::fee_type::Any)) {
        rows.push_back(schedule.GetCurrent());
    }
    return rows;
}

void SortFeeRowsByColumn(std::vector<int>& rows, FeeColumn column, const CFeeSchedule& schedule) {
    if (rows.empty()) {
        return;
    }
    const bool ascending = CompareFeeEntries(schedule.GetEntry(rows.front()),
                                             schedule.GetEntry(rows.back()), column) > 0;
    StableSortBy(rows, column, schedule);
    if (!ascending) {
        std::ranges::stable_sort(rows, [&](int a, int b) {
            return CompareFeeEntries(schedule.GetEntry(a), schedule.GetEntry(b), column) > 0;
        });
    }
}

void SortFeeRowsByTypeAndDescription(std::vector<int>& rows, const CFeeSchedule& schedule) {
    StableSortBy(rows, FeeColumn::Description, schedule);
    StableSortBy(rows, FeeColumn::Type, schedule);
}

void RenumberFeeRows(const std::vector<int>& rows, CFeeSchedule& schedule) {
    const int current = schedule.GetCurrent();
    for (std::size_t position = 0; position < rows.size(); ++position) {
        schedule.SetCurrent(rows[position]);
        schedule.SetOrder(static_cast<std::int32_t>(position));
    }
    schedule.SetCurrent(current);
}

std::string FeeAmountText(CFeeSchedule& schedule, int entry) {
    if (schedule.GetEntry(entry).GetFieldCount() > 0) {
        return "Formula";
    }
    std::string text;
    return schedule.CalculateEntry(entry, text) ? text : "Inactive";
}

}  // namespace gb::app
