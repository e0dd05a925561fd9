#pragma once
// The check-box list of the Charges and Fees pages on a tree widget: one row
// per fee-schedule entry, its number kept in the row.

#include <vector>

#include "app/core/sheet/FeeList.h"

class QTreeWidget;

namespace gb::app::ui {

// Titles the columns and fills the rows; the caller's change handler runs
// for none of them.
void FillFeeList(QTreeWidget& list, const FeeListKind& kind, const std::vector<FeeRow>& rows);
// The entry numbers of the checked rows, in row order.
std::vector<int> CheckedEntries(const QTreeWidget& list);
// Keeps the name column at 60 per cent of the list's width and the amount
// column at the rest, whenever the list is resized.
void KeepFeeListColumnsSized(QTreeWidget& list);

}  // namespace gb::app::ui
