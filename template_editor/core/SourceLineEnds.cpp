#include "template_editor/core/SourceLineEnds.h"

#include <algorithm>
#include <optional>

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/PageBody.h"

namespace gb::editor {

std::array<std::string_view, SourceLineEnds::kPieces> SourceLineEnds::Pieces(
    std::string_view text) {
    std::size_t bodyStart = 0;
    std::size_t bodyEnd = text.size();
    if (const std::optional<PageParts> page = SplitPage(text)) {
        bodyStart = page->prefix.size();
        bodyEnd = text.size() - page->suffix.size();
    }
    const std::size_t start = FindMarker(text, EditorStrings().Get(string_id::StartMarker));
    const std::size_t end = FindMarker(text, EditorStrings().Get(string_id::EndMarker));
    const std::size_t footer =
        end != text.npos && (start == text.npos || end > start) ? end : bodyEnd;
    std::array<std::size_t, kPieces + 1> bounds{
        0, bodyStart, start == text.npos ? footer : start, footer, bodyEnd, text.size()};
    std::array<std::string_view, kPieces> pieces;
    for (std::size_t piece = 0; piece < kPieces; ++piece) {
        bounds[piece + 1] = std::clamp(bounds[piece + 1], bounds[piece], text.size());
        pieces[piece] = text.substr(bounds[piece], bounds[piece + 1] - bounds[piece]);
    }
    return pieces;
}

std::string SourceLineEnds::Record(std::string_view source) {
    const std::array<std::string_view, kPieces> pieces = Pieces(source);
    std::array<std::size_t, kParts> crlf{};
    std::array<std::size_t, kParts> lf{};
    std::string plain;
    plain.reserve(source.size());
    for (std::size_t piece = 0; piece < kPieces; ++piece) {
        const std::string_view text = pieces[piece];
        original_[piece] = text;
        std::string& shown = shown_[piece];
        shown.clear();
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') {
                ++(i > 0 && text[i - 1] == '\r' ? crlf : lf)[kPartOf[piece]];
            }
            if (text[i] != '\r') {
                shown += text[i];
            } else if (i + 1 == text.size() || text[i + 1] != '\n') {
                // The view breaks the line at a lone CR as well.
                shown += '\n';
            }
        }
        plain += shown;
    }
    std::size_t allCrlf = 0;
    std::size_t allLf = 0;
    for (std::size_t part = 0; part < kParts; ++part) {
        allCrlf += crlf[part];
        allLf += lf[part];
    }
    for (std::size_t part = 0; part < kParts; ++part) {
        crlf_[part] = crlf[part] + lf[part] > 0 ? crlf[part] > lf[part] : allCrlf > allLf;
    }
    return plain;
}

std::string SourceLineEnds::Restore(std::string_view edited) const {
    const std::array<std::string_view, kPieces> pieces = Pieces(edited);
    std::string text;
    text.reserve(edited.size() + edited.size() / 16);
    for (std::size_t piece = 0; piece < kPieces; ++piece) {
        if (pieces[piece] == shown_[piece]) {
            text += original_[piece];
            continue;
        }
        const bool crlf = crlf_[kPartOf[piece]];
        for (const char c : pieces[piece]) {
            if (c == '\n' && crlf) {
                text += '\r';
            }
            text += c;
        }
    }
    return text;
}

}  // namespace gb::editor
