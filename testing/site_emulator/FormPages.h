#pragma once
// The emulated sites' pages that belong to no seller: the sign-in form, the
// adult-consent form and plain message pages.

#include <string>
#include <string_view>

namespace gb::emulator {

// The name of the hidden sign-in field that holds the address the refused
// sign-in returns to.
inline constexpr char kReturnToField[] = "returnto";

// The form "SignInForm" posting to `action` with the fields "userid" (left out
// when told so) and "pass", a submit button, and `returnTo` in a hidden field.
std::string SignInPage(std::string_view action, std::string_view returnTo, bool withUserField);

// The form "AdultCheck" posting to `action`.
std::string AdultConsentPage(std::string_view action);

// A page with a heading and one paragraph of plain text.
std::string MessagePage(std::string_view title, std::string_view text);

}  // namespace gb::emulator
