#pragma once
// The value an item is sorted by in the item list, taken once per item so a
// sort does not format texts over and over. Dates and amounts compare by
// value, with items that have none first; counts and codes compare as
// numbers; every other field compares its text ignoring case.

#include <cstdint>
#include <string>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

class ItemSortKey {
public:
    // `sortField` is a field ID, or for a fee-schedule entry the entry plus 468.
    static ItemSortKey Of(const gb::itemdb::CAucItem& item, int sortField,
                          gb::itemdb::CFeeSchedule& fees,
                          const gb::itemdb::FolderNameLookup* folders);

    // -1, 0 or 1 in ascending order of the field.
    static int Compare(const ItemSortKey& left, const ItemSortKey& right);

private:
    enum class Kind { Number, Text };

    ItemSortKey() = default;
    static ItemSortKey Number(bool valid, long double value);
    static ItemSortKey Text(std::string text);

    Kind kind_ = Kind::Number;
    // A date or amount that is null or invalid has no value; all such compare
    // equal and before every value.
    bool valid_ = false;
    // Exact for every amount in ten-thousandths as well as for dates.
    long double number_ = 0.0L;
    std::string text_;  // in lower case: sorting compares it many times
};

// The list's comparison: ascending for direction 1, descending for 0.
int CompareForDirection(const ItemSortKey& left, const ItemSortKey& right, int direction);

}  // namespace gb::app
