#pragma once
// Reading and writing money and dates the way the regional settings of the
// system's era did, from a table of our own for the locales the system uses.
// ICU and the C library's locales are not used: their data differ by version
// and machine.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/DateTime.h"
#include "platform/Money.h"

namespace gb {

using Lcid = std::uint32_t;
inline constexpr Lcid kLocaleUserDefault = 1024;  // the user's default locale
inline constexpr Lcid kLocaleEnglishUS = 1033;

// The locale 1024 stands for: the one set here (from the program's setting)
// when it is a known locale, else the LANG environment variable (en_US 1033, de_DE 1031, fr_FR
// 1036, nl_NL 1043, en_GB 2057, en_AU 3081, en_CA 4105, en_NZ 5129), else 1033. Tests pin it with
// SetUserDefaultLocale.
// The setting is one per process, shared with the component libraries.
void SetUserDefaultLocale(Lcid locale);  // 0 clears the setting
Lcid UserDefaultLocaleSetting();         // 0 when none is set
Lcid ResolveLocale(Lcid locale);         // 1024 -> the concrete locale; others unchanged

// Text to money under a locale, as the platform's variant conversion did; an
// invalid Money on failure (garbage, overflow, more than four decimals,
// unknown locale).
Money ParseCurrency(std::string_view text, Lcid locale);
// Money as a plain number under 1033, as the variant conversion wrote it:
// "12.5", "-3", "0.0001"; "" for a null or invalid value.
std::string CurrencyToPlainText(const Money& value);
// The system's currency formatting: a plain number text ("2.375", "-3")
// formatted in the locale's currency format, rounded half away from zero to
// the currency digits; nothing when the number text is not a plain number.
std::optional<std::string> FormatCurrencyNumber(std::string_view plainNumber, Lcid locale);

// Text to date-time under a locale, as the variant conversion did; an invalid
// DateTime on failure.
DateTime ParseDateTime(std::string_view text, Lcid locale);
enum class DateTextForm {
    Default,   // short date and long time; the time left out at exactly midnight
    DateOnly,  // short date
    TimeOnly,  // long time
};
// A valid date-time as text; "" for a null or invalid one or an unknown locale.
std::string FormatDateTime(const DateTime& value, Lcid locale,
                           DateTextForm form = DateTextForm::Default);

// The locale's list separator character; nothing for an unknown locale.
std::optional<char> ListSeparator(Lcid locale);

}  // namespace gb
