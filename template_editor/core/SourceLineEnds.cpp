#include "template_editor/core/SourceLineEnds.h"

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/PageBody.h"

namespace gb::editor {

SourceLineEnds::Parts::Parts(std::string_view text) {
    const std::size_t start = FindMarker(text, EditorStrings().Get(string_id::StartMarker));
    const std::size_t end = FindMarker(text, EditorStrings().Get(string_id::EndMarker));
    starts_ = {0, start, end != text.npos && (start == text.npos || end > start) ? end : text.npos};
}

std::size_t SourceLineEnds::Parts::At(std::size_t position) const {
    std::size_t part = 0;
    for (std::size_t next = 1; next < kParts; ++next) {
        if (starts_[next] != std::string_view::npos && position >= starts_[next]) {
            part = next;
        }
    }
    return part;
}

std::string SourceLineEnds::Record(std::string_view source) {
    const Parts parts(source);
    std::array<std::size_t, kParts> crlf{};
    std::array<std::size_t, kParts> lf{};
    std::string plain;
    plain.reserve(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        if (source[i] == '\n') {
            ++(i > 0 && source[i - 1] == '\r' ? crlf : lf)[parts.At(i)];
        }
        if (!(source[i] == '\r' && i + 1 < source.size() && source[i + 1] == '\n')) {
            plain += source[i];
        }
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
    const Parts parts(edited);
    std::string text;
    text.reserve(edited.size() + edited.size() / 16);
    for (std::size_t i = 0; i < edited.size(); ++i) {
        if (edited[i] == '\n' && crlf_[parts.At(i)]) {
            text += '\r';
        }
        text += edited[i];
    }
    return text;
}

}  // namespace gb::editor
