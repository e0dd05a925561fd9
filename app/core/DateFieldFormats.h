#pragma once
// How date and time fields show their values: the short-date and long-time
// patterns of the user's locale, the ones the program writes dates with
// everywhere else, in the notation of the toolkit's date and time fields.

#include <string>
#include <string_view>

#include "platform/Locale.h"

namespace gb::app {

struct DateFieldFormats {
    std::string date;      // e.g. "M/d/yyyy"
    std::string time;      // e.g. "h:mm:ss AP"
    std::string dateTime;  // date, a blank, time
    // The locale's name as LANG gives it ("en_US"), for its month names and
    // first day of the week.
    std::string localeName;
};

// The formats of `locale` (1024: the user's); 1033's for an unknown one.
DateFieldFormats DateFieldFormatsFor(gb::Lcid locale = gb::kLocaleUserDefault);

// A locale pattern (d dd M MM yy yyyy h hh H HH m mm s ss t tt, text in
// single quotes) in the fields' notation: the AM/PM marker becomes "AP".
std::string DateFieldPattern(std::string_view localePattern);

}  // namespace gb::app
