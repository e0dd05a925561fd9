#include "app/core/DocumentStrings.h"

#include "app/core/UiStrings.h"

namespace gb::app {

namespace {

// Piece `index` of the document strings, separated by line feeds: title,
// (unused), default name, filter, extension, file-type id, file-type name.
std::string DocumentString(std::size_t index) {
    const std::string strings = UiText(string_id::DocumentStrings);
    std::size_t start = 0;
    for (std::size_t i = 0; i < index; ++i) {
        start = strings.find('\n', start);
        if (start == std::string::npos) {
            return {};
        }
        ++start;
    }
    return strings.substr(start, strings.find('\n', start) - start);
}

}  // namespace

std::string ApplicationTitle() {
    return DocumentString(0);
}

std::string ProfileFilter() {
    return DocumentString(3);
}

std::string ProfileExtension() {
    return DocumentString(4);
}

}  // namespace gb::app
