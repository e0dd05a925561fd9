#pragma once
// Text helpers shared across the main program.

#include <string>

#include "platform/Money.h"

namespace gb::itemdb {

// Money in the user's currency format. A null or invalid value gives "Unknown"
// and false; should the locale not format the amount, its plain number.
bool FormatCurrencyOrUnknown(std::string& text, const gb::Money& value);

}  // namespace gb::itemdb
