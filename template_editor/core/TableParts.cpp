#include "template_editor/core/TableParts.h"

#include <array>
#include <cctype>

#include "platform/Cp1252.h"

namespace gb::editor {

namespace {

constexpr std::array<std::string_view, 9> kTableParts{"tr",    "td",      "th",  "tbody",   "thead",
                                                      "tfoot", "caption", "col", "colgroup"};

bool IsTablePart(std::string_view name) {
    for (const std::string_view part : kTableParts) {
        if (gb::cp1252::EqualsNoCase(name, part)) {
            return true;
        }
    }
    return false;
}

bool IsNameChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

bool HasStrayTablePart(std::string_view body) {
    int tables = 0;
    std::size_t at = 0;
    while ((at = body.find('<', at)) != body.npos) {
        if (body.substr(at, 4) == "<!--") {
            const std::size_t end = body.find("-->", at + 4);
            if (end == body.npos) {
                break;  // the rest is the comment
            }
            at = end + 3;
            continue;
        }
        std::size_t from = at + 1;
        const bool closing = from < body.size() && body[from] == '/';
        if (closing) {
            ++from;
        }
        std::size_t to = from;
        while (to < body.size() && IsNameChar(body[to])) {
            ++to;
        }
        const std::string_view name = body.substr(from, to - from);
        if (gb::cp1252::EqualsNoCase(name, "table")) {
            tables += closing ? -1 : 1;
            if (tables < 0) {
                return true;
            }
        } else if (tables == 0 && IsTablePart(name)) {
            return true;
        }
        at = to;
    }
    return tables != 0;
}

}  // namespace gb::editor
