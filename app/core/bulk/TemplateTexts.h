#pragma once
// The bulk-update pages store what their controls hold into the template item
// field by field, stopping at the first value an item setter refuses.

#include <optional>
#include <span>
#include <string>
#include <utility>

#include "itemdb/AucItem.h"

namespace gb::app {

using FieldText = std::pair<int, std::string>;

// Stores each text with the field's setter, in order (an empty amount or date
// stores a null one: no change). The message "Invalid " and the field's name
// for the first text refused; nothing when all were stored.
std::optional<std::string> StoreTemplateTexts(gb::itemdb::CAucItem& item,
                                              std::span<const FieldText> texts);

// A calendar day as the user's locale writes a date.
std::string DateText(int year, int month, int day);

// The text without trailing blanks.
std::string TrimRight(std::string text);

}  // namespace gb::app
