#pragma once
// What the item list shows in one cell.

#include <string>

class CAucItem;
class CFeeSchedule;
class FolderNameLookup;

namespace ui {

struct ListColumn;

// A field column gives the item's field text. A fee-schedule column gives the
// entry's amount for the item when the item itemizes the entry as a charge or
// a fee, or when the entry is display-only; otherwise nothing.
std::string CellText(const CAucItem& item, const ListColumn& column, CFeeSchedule& fees,
                     const FolderNameLookup* folders);

// Whether the item shows an amount for fee-schedule entry `entry`.
bool ShowsFeeEntry(const CAucItem& item, const CFeeSchedule& fees, int entry);

}  // namespace ui
