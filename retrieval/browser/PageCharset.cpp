#include "retrieval/browser/PageCharset.h"

#include <optional>

#include "platform/Cp1252.h"

namespace gb::retrieval {

namespace {

namespace cp = gb::cp1252;

// Browsers look for a meta charset only this far into the page.
constexpr std::size_t kMetaScanLength = 1024;

bool IsSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f';
}

// The value after "charset=" at or after `from` in `text`, quotes removed.
std::optional<std::string> CharsetParameter(std::string_view text, std::size_t from = 0) {
    const std::size_t at = cp::FindNoCase(text, "charset", from);
    if (at == std::string_view::npos) {
        return std::nullopt;
    }
    std::size_t pos = at + 7;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    if (pos >= text.size() || text[pos] != '=') {
        return std::nullopt;
    }
    ++pos;
    while (pos < text.size() && IsSpace(text[pos])) {
        ++pos;
    }
    if (pos < text.size() && (text[pos] == '"' || text[pos] == '\'')) {
        ++pos;
    }
    std::size_t end = pos;
    while (end < text.size() && !IsSpace(text[end]) && text[end] != ';' && text[end] != '"' &&
           text[end] != '\'' && text[end] != '>' && text[end] != '/') {
        ++end;
    }
    if (end == pos) {
        return std::nullopt;
    }
    return std::string(text.substr(pos, end - pos));
}

// The charset of the first <meta> tag near the start of the page that names one.
std::optional<std::string> MetaCharset(std::string_view body) {
    const std::string_view head = body.substr(0, kMetaScanLength);
    for (std::size_t at = cp::FindNoCase(head, "<meta"); at != std::string_view::npos;
         at = cp::FindNoCase(head, "<meta", at + 5)) {
        const std::size_t close = head.find('>', at);
        const std::string_view tag =
            head.substr(at, close == std::string_view::npos ? std::string_view::npos : close - at);
        if (auto charset = CharsetParameter(tag)) {
            return charset;
        }
    }
    return std::nullopt;
}

PageCharset FromName(std::string_view name) {
    return cp::EqualsNoCase(name, "utf-8") || cp::EqualsNoCase(name, "utf8")
               ? PageCharset::Utf8
               : PageCharset::Windows1252;
}

}  // namespace

PageCharset DetectPageCharset(std::string_view contentType, std::string_view body) {
    if (auto charset = CharsetParameter(contentType)) {
        return FromName(*charset);
    }
    if (auto charset = MetaCharset(body)) {
        return FromName(*charset);
    }
    return PageCharset::Windows1252;
}

std::string PageToCp1252(std::string_view body, PageCharset charset) {
    return charset == PageCharset::Utf8 ? cp::FromUtf8(body, cp::Unmappable::HtmlEntity)
                                        : std::string(body);
}

std::string PageToUtf8(std::string_view body, PageCharset charset) {
    return charset == PageCharset::Utf8 ? std::string(body) : cp::ToUtf8(body);
}

std::string Utf8ToPageCharset(std::string_view utf8, PageCharset charset) {
    return charset == PageCharset::Utf8 ? std::string(utf8)
                                        : cp::FromUtf8(utf8, cp::Unmappable::HtmlEntity);
}

}  // namespace gb::retrieval
