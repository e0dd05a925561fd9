#pragma once
// Text helpers the site components share: money in the user's currency
// format, and whole days between two date texts.

#include <string>
#include <string_view>

#include "platform/Money.h"

namespace gb::sites {

// `out` becomes `value` in the user's currency format (locale 1024), rounded to
// the currency digits. False, with `out` empty, when the value is null or
// invalid or the locale cannot format it.
bool FormatCurrencyOrEmpty(std::string& out, const gb::Money& value);

// Whole days from the date text `start` to `end`, both read in the user's
// locale (1024), counted on exact seconds and truncated toward zero; 0 when
// either text cannot be read.
int DaysBetween(std::string_view start, std::string_view end);

}  // namespace gb::sites
