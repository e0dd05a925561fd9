#pragma once
// What the item list shows in one cell.

#include <string>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

struct ListColumn;

// A field column gives the item's field text. A fee-schedule column gives the
// entry's amount for the item when the item itemizes the entry as a charge or
// a fee, or when the entry is display-only; otherwise nothing.
std::string CellText(const gb::itemdb::CAucItem& item, const ListColumn& column,
                     gb::itemdb::CFeeSchedule& fees, const gb::itemdb::FolderNameLookup* folders);

// Whether the item shows an amount for fee-schedule entry `entry`.
bool ShowsFeeEntry(const gb::itemdb::CAucItem& item, const gb::itemdb::CFeeSchedule& fees,
                   int entry);

}  // namespace gb::app
