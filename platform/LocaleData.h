#pragma once
// The regional defaults of each locale the system uses, as the era's
// desktop systems shipped them. One table; the text layers read it.

#include <array>
#include <string_view>

#include "platform/Locale.h"

namespace gb {

struct MonthNames {
    std::array<std::string_view, 12> full;
    std::array<std::string_view, 12> abbreviated;  // some end in '.', as written
};

struct LocaleData {
    Lcid id;
    std::string_view posixName;  // the LANG form before any '.' or '@', e.g. "en_US"

    std::string_view currencySymbol;
    int currencyDigits;
    // Currency patterns: 'n' stands for the number, '$' for the currency
    // symbol; every other character is written as it is.
    std::string_view positiveCurrency;
    std::string_view negativeCurrency;
    char decimalSeparator;
    std::string_view groupSeparators;  // the first is written, any of them is read
    int groupSize;

    // Date and time patterns: d dd M MM yy yyyy h hh H HH m mm s ss t tt.
    std::string_view shortDate;
    std::string_view longTime;
    std::string_view amText;
    std::string_view pmText;
    const MonthNames* monthNames;  // in the locale's language

    char listSeparator;

    // The entry of a concrete locale; nothing for 1024 or an unknown one.
    static const LocaleData* Find(Lcid id);
    static const LocaleData* FindByPosixName(std::string_view posixName);
    static const MonthNames& EnglishMonthNames();
};

}  // namespace gb
