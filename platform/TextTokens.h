#pragma once
// Placeholder tokens in texts: "$COUNT$" in a message, "$ITEM_NUM$" in a URL.

#include <string>
#include <string_view>

namespace gb {

// Replaces the first occurrence of `token` (case-sensitive) by `replacement`.
// False, with `text` unchanged, when the token is empty or does not occur.
bool ReplaceToken(std::string& text, std::string_view token, std::string_view replacement);

}  // namespace gb
