#include "app/core/report/MailToLink.h"

#include <algorithm>
#include <cstdio>

#include "platform/Cp1252.h"

namespace gb::app {

namespace {

constexpr std::string_view kScheme = "mailto:";
constexpr std::string_view kSubject = "?subject=";

// The characters a mail program could take for the end of a field.
std::string Blanked(std::string_view text) {
    std::string blanked(text);
    std::replace_if(
        blanked.begin(), blanked.end(),
        [](char c) { return c == '"' || c == '&' || c == '\r' || c == '\n'; }, ' ');
    return blanked;
}

bool IsUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

// The 1252 text as UTF-8 with every byte but the unreserved ones (and
// `keep`) percent-encoded. The text is cut before it is converted, so no
// character is ever split.
std::string Encoded(std::string_view text, char keep = '\0') {
    std::string encoded;
    for (const char c : gb::cp1252::ToUtf8(text)) {
        const auto byte = static_cast<unsigned char>(c);
        if (IsUnreserved(byte) || (keep != '\0' && c == keep)) {
            encoded += c;
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", byte);
            encoded += hex;
        }
    }
    return encoded;
}

}  // namespace

std::string MailToLink(std::string_view address, std::string_view subject) {
    // The limit counts the link as written before encoding; what does not fit
    // is cut from the end, the subject first.
    std::size_t room = kMailToMaxLength - kScheme.size();
    const std::string_view to = address.substr(0, room);
    room -= to.size();
    std::string link = std::string(kScheme) + Encoded(Blanked(to), '@');
    if (room >= kSubject.size()) {
        room -= kSubject.size();
        link += kSubject;
        link += Encoded(Blanked(subject.substr(0, room)));
    }
    return link;
}

}  // namespace gb::app
