#pragma once
// What the web view decides from an address alone: mail addresses go to the
// desktop's mail program, the program's own pages ("res://Vellumark.dll/102")
// come from its resources and never show their address, and which file of the
// resources such an address names.

#include <optional>
#include <string>
#include <string_view>

namespace gb::app {

// The scheme of the program's own pages.
inline constexpr std::string_view kResourceScheme = "res";

// "mailto:" in exactly that case.
bool IsMailAddress(std::string_view address);
// Any address beginning "res:".
bool IsResourceAddress(std::string_view address);
// What the address box shows for a page: its address, or nothing for the
// program's own pages.
std::string AddressBoxText(std::string_view address);
// The resource file a "res://Vellumark.dll/<name>" address names: "102" gives
// "102.html", a name with an extension ("logo.png") stays as it is. Nothing
// for another library or a name that could leave the resource folder.
std::optional<std::string> ResourceFileName(std::string_view address);

}  // namespace gb::app
