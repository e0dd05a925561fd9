#pragma once
// Text helpers shared across the main program.

#include <string>
#include <string_view>

#include "platform/Money.h"

// Money in the user's currency format. A null or invalid value gives "Unknown"
// and false.
bool FormatCurrency(std::string& text, const gb::Money& value);

// Replaces the first occurrence of `token` (case-sensitive) by `replacement`.
// False when the token is empty or does not occur; the text is then unchanged.
bool ReplaceToken(std::string& text, std::string_view token, std::string_view replacement);
