#pragma once
// The "mailto:" address that Mail To opens: the buyer's address and the
// rendered subject, at most 300 characters before encoding, with double
// quotes, '&', CR and LF as blanks, percent-encoded as UTF-8.

#include <string>
#include <string_view>

namespace gb::app {

inline constexpr std::size_t kMailToMaxLength = 300;

// `address` and `subject` are Windows-1252 texts.
std::string MailToLink(std::string_view address, std::string_view subject);

}  // namespace gb::app
