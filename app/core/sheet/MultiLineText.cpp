#include "app/core/sheet/MultiLineText.h"

namespace gb::app {

std::string LinesForEditing(std::string_view stored) {
    std::string text;
    text.reserve(stored.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] != '\r') {
            text += stored[i];
            continue;
        }
        text += '\n';
        if (i + 1 < stored.size() && stored[i + 1] == '\n') {
            ++i;
        }
    }
    return text;
}

std::string LinesForStoring(std::string_view edited, std::string_view stored) {
    if (edited == LinesForEditing(stored)) {
        return std::string(stored);
    }
    std::string text;
    text.reserve(edited.size() + 8);
    for (const char c : edited) {
        if (c == '\n') {
            text += '\r';
        }
        text += c;
    }
    return text;
}

}  // namespace gb::app
