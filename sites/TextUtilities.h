#pragma once
// Text helpers the site components share: token replacement, money in the
// user's currency format, and whole days between two date texts.

#include <string>
#include <string_view>

#include "platform/Money.h"

// Replaces the first occurrence of `token` in `text` (case-sensitive) by
// `value`. False, with `text` unchanged, when the token is empty or absent.
bool ReplaceToken(std::string& text, std::string_view token, std::string_view value);

// `out` becomes `value` in the user's currency format (locale 1024), rounded to
// the currency digits. False, with `out` empty, when the value is null or
// invalid.
bool FormatCurrency(std::string& out, const gb::Money& value);

// Whole days from the date text `start` to `end`, both read in the user's
// locale (1024), counted on exact seconds and truncated toward zero; 0 when
// either text cannot be read.
int DaysBetween(std::string_view start, std::string_view end);
