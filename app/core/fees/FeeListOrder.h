#pragma once
// The order of the fee-schedule list: the rows are entry numbers; a header
// click sorts by one column, and closing the list sorts by description within
// type and makes that the entries' display order.

#include <string>
#include <vector>

namespace gb::itemdb {
class CFeeEntry;
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

enum class FeeColumn { Type, Name, Description, Amount };

// Negative, 0 or positive as `a` sorts before, with or after `b`:
// - Type: the type, 10 more for an inactive entry;
// - Name, Description: the texts ignoring case;
// - Amount: the base of an entry without fields, 99999 for a formula; a null
//   amount first, then invalid ones, then by value.
int CompareFeeEntries(const gb::itemdb::CFeeEntry& a, const gb::itemdb::CFeeEntry& b,
                      FeeColumn column);

// Every entry in display order.
std::vector<int> FeeRowsInDisplayOrder(gb::itemdb::CFeeSchedule& schedule);

// A header click: ascending when the first row sorts after the last, else
// descending, so that a second click reverses the first.
void SortFeeRowsByColumn(std::vector<int>& rows, FeeColumn column,
                         const gb::itemdb::CFeeSchedule& schedule);

// By description, then (keeping that order within a type) by type.
void SortFeeRowsByTypeAndDescription(std::vector<int>& rows,
                                     const gb::itemdb::CFeeSchedule& schedule);

// Each row's entry gets its row's position as display order.
void RenumberFeeRows(const std::vector<int>& rows, gb::itemdb::CFeeSchedule& schedule);

// The Amount column: "Formula" for an entry with fields, else its calculated
// amount, or "Inactive" when it does not calculate. The entry becomes current.
std::string FeeAmountText(gb::itemdb::CFeeSchedule& schedule, int entry);

}  // namespace gb::app
