#include "template_editor/core/PageBody.h"

#include "platform/Cp1252.h"

namespace gb::editor {

namespace {

constexpr std::string_view kBodyOpen = "<BODY";
constexpr std::string_view kBodyClose = "</BODY>";
constexpr std::string_view kCommentOpen = "<!--";
constexpr std::string_view kCommentClose = "-->";

bool IsAsciiLetter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool StartsTag(std::string_view html, std::size_t at) {
    return html[at] == '<' && at + 1 < html.size() &&
           (IsAsciiLetter(html[at + 1]) || html[at + 1] == '/');
}

// The position past the tag that starts at `at`: its closing '>' outside
// quoted attribute values, or the end of the text.
std::size_t SkipTag(std::string_view html, std::size_t at) {
    char quote = 0;
    for (std::size_t i = at + 1; i < html.size(); ++i) {
        const char c = html[i];
        if (quote != 0) {
            quote = c == quote ? 0 : quote;
        } else if (c == '"' || c == '\'') {
            quote = c;
        } else if (c == '>') {
            return i + 1;
        }
    }
    return html.size();
}

}  // namespace

int FindNoCase(std::string_view needle, std::string_view text, int start) {
    if (start < 0 || static_cast<std::size_t>(start) >= text.size()) {
        return -1;
    }
    const std::size_t found = gb::cp1252::FindNoCase(text, needle, static_cast<std::size_t>(start));
    return found == std::string_view::npos ? -1 : static_cast<int>(found + needle.size());
}

std::size_t FindMarker(std::string_view html, std::string_view marker) {
    std::size_t i = 0;
    while (i < html.size()) {
        const std::string_view rest = html.substr(i);
        if (gb::cp1252::EqualsNoCase(rest.substr(0, marker.size()), marker)) {
            return i;
        }
        if (rest.starts_with(kCommentOpen)) {
            const std::size_t close = html.find(kCommentClose, i + kCommentOpen.size());
            i = close == html.npos ? html.size() : close + kCommentClose.size();
        } else if (StartsTag(html, i)) {
            i = SkipTag(html, i);
        } else {
            ++i;
        }
    }
    return html.npos;
}

std::optional<PageParts> SplitPage(std::string_view page) {
    const int open = FindNoCase(kBodyOpen, page, 0);
    const int bodyStart = open < 0 ? -1 : FindNoCase(">", page, open);
    const int close = bodyStart < 0 ? -1 : FindNoCase(kBodyClose, page, bodyStart);
    if (close < 0) {
        return std::nullopt;
    }
    const auto from = static_cast<std::size_t>(bodyStart);
    const std::size_t bodyEnd = static_cast<std::size_t>(close) - kBodyClose.size();
    return PageParts{std::string(page.substr(0, from)),
                     std::string(page.substr(from, bodyEnd - from)),
                     std::string(page.substr(bodyEnd))};
}

}  // namespace gb::editor
