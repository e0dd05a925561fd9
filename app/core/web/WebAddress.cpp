#include "app/core/web/WebAddress.h"

#include <algorithm>

#include "platform/Cp1252.h"

namespace gb::app {

namespace {

constexpr std::string_view kResourceLibrary = "res://vellumark.dll/";

bool IsPlainNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '_' || c == '.';
}

}  // namespace

bool IsMailAddress(std::string_view address) {
    return address.starts_with("mailto:");
}

bool IsResourceAddress(std::string_view address) {
    return address.starts_with("res:");
}

std::string AddressBoxText(std::string_view address) {
    return IsResourceAddress(address) ? std::string() : std::string(address);
}

std::optional<std::string> ResourceFileName(std::string_view address) {
    if (address.size() <= kResourceLibrary.size() ||
        !gb::cp1252::EqualsNoCase(address.substr(0, kResourceLibrary.size()), kResourceLibrary)) {
        return std::nullopt;
    }
    std::string_view name = address.substr(kResourceLibrary.size());
    name = name.substr(0, name.find_first_of("?#"));
    if (name.empty() || name.front() == '.' ||
        !std::all_of(name.begin(), name.end(), IsPlainNameCharacter)) {
        return std::nullopt;
    }
    if (name.find('.') == std::string_view::npos) {
        return std::string(name) + ".html";
    }
    return std::string(name);
}

}  // namespace gb::app
