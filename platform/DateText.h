#pragma once
// Dates and times as text under one locale: reading them as leniently as the
// era's variant conversion did, and writing them in the locale's short-date
// and long-time patterns.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Locale.h"
#include "platform/LocaleData.h"

namespace gb {

class TextScanner;

class DateText {
public:
    explicit DateText(const LocaleData& locale) : locale_(locale) {}

    // A date, a time, or a date followed by a time. The date is three numbers
    // in the order of the locale's short date (a first number of three or four
    // digits makes it year, month, day), or a month name in English or the
    // locale's language with a day and a year. Two-digit years fall into
    // 1930-2029. Numbers and names are separated by blanks or one of / - . ,
    // and the time is h:mm or h:mm:ss with an optional AM/PM text. A time
    // alone falls on 1899-12-30. Anything else gives invalid.
    DateTime Parse(std::string_view text) const;

    // "" for a null or invalid value.
    std::string Format(const DateTime& value, DateTextForm form) const;

private:
    struct TimeOfDay;
    struct Fields;
    std::optional<Fields> ReadFields(std::string_view text) const;
    DateTime ToDateTime(const Fields& fields) const;
    // The rest of a time after its hour digits: ':' and minutes, optionally
    // ':' and seconds, then blanks and an optional AM/PM text.
    std::optional<TimeOfDay> ReadTime(TextScanner& scan, std::string_view hourDigits) const;
    std::optional<int> MonthOfName(std::string_view word) const;
    // 'd', 'M' and 'y' in the order the short date writes them.
    std::array<char, 3> FieldOrder() const;
    std::string Expand(std::string_view pattern, const CivilTime& civil) const;

    const LocaleData& locale_;
};

}  // namespace gb
