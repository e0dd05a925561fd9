#pragma once
// The check-box lists of the Charges and Fees pages: one row per active
// fee-schedule entry of the page's type, checked when the item itemizes it.
// Checking rows rebuilds the item's itemized codes from the checked rows and
// makes the schedule's total of them the item's Other Charges (Other Fees).

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"

namespace gb::app {

struct FeeListKind {
    std::int32_t feeType;
    const char* title;  // the first column's heading
    void (itemdb::CAucItem::*clearCodes)();
    bool (itemdb::CAucItem::*addCode)(int);
    bool (itemdb::CAucItem::*hasCode)(int) const;
    bool (itemdb::CFeeSchedule::*total)(std::string&, Money*);
    int totalField;
};

// Buyer charges, totalled into Other Charges.
extern const FeeListKind kChargeList;
// Seller fees, totalled into Other Fees.
extern const FeeListKind kFeeList;

struct FeeRow {
    int entry = 0;
    std::string name;
    std::string amount;
    bool checked = false;

    bool operator==(const FeeRow&) const = default;
};

// The active entries of the list's type in display order, with their
// amounts for the item.
std::vector<FeeRow> BuildFeeRows(itemdb::CFeeSchedule& fees, const itemdb::CAucItem& item,
                                 const FeeListKind& kind);

// Makes the checked entries, in row order, the item's itemized codes of the
// list's kind and stores their total (zero when none is checked; null when
// one cannot be calculated) into the list's total field.
void ApplyCheckedRows(itemdb::CAucItem& item, itemdb::CFeeSchedule& fees, const FeeListKind& kind,
                      std::span<const int> checkedEntries);

// The rows checked.
int CountChecked(const std::vector<FeeRow>& rows);

// "Selected: %d".
std::string SelectedText(int count);

}  // namespace gb::app
