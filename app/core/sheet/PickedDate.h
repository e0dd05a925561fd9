#pragma once
// The item sheet's date pickers: a calendar date or none. A picked date is
// handed to the item as a date-only text in the user's locale, so the sheet
// never stores a time of day.

#include <optional>
#include <string>

#include "itemdb/AucItem.h"

namespace gb::app {

struct PickedDate {
    int year = 0;
    int month = 0;
    int day = 0;

    bool operator==(const PickedDate&) const = default;
};

// The date part of a date field; none when it is null or invalid.
std::optional<PickedDate> DateOfField(const itemdb::CAucItem& item, int fieldId);

// The date-only text of a picked date; empty for none.
std::string DateOnlyText(const std::optional<PickedDate>& date);

// Stores a picked date into a date field unless it is the date the field
// holds already: an untouched picker keeps the time of day (and a date that
// does not read). Gives the setter's result.
bool StorePickedDate(itemdb::CAucItem& item, int fieldId, const std::optional<PickedDate>& date);

// Today by the installed clock.
PickedDate Today();

}  // namespace gb::app
