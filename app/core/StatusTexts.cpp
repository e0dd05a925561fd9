#include "app/core/StatusTexts.h"

#include "app/core/UiStrings.h"
#include "itemdb/LotkeeperStrings.h"

namespace gb::app {

std::string FormatCounts(std::string_view format, std::initializer_list<long long> numbers) {
    std::string text;
    auto next = numbers.begin();
    std::size_t start = 0;
    while (start < format.size()) {
        const std::size_t mark = format.find("%d", start);
        if (mark == std::string_view::npos || next == numbers.end()) {
            break;
        }
        text.append(format.substr(start, mark - start));
        text += std::to_string(*next++);
        start = mark + 2;
    }
    if (start < format.size()) {
        text.append(format.substr(start));
    }
    return text;
}

std::string PartialLoadText(std::size_t shown, std::size_t total) {
    return FormatCounts(UiText(string_id::PartialLoad),
                        {static_cast<long long>(shown), static_cast<long long>(total)});
}

std::string FolderCaption(std::string_view name, std::string_view partialText) {
    std::string caption(name);
    if (!partialText.empty()) {
        caption += " - ";
        caption += partialText;
    }
    return caption;
}

std::string SelectionText(std::size_t selected) {
    if (selected < 2) {
        return UiText(string_id::IdleText);
    }
    return FormatCounts("%d Items selected", {static_cast<long long>(selected)});
}

std::string TemplatePaneText(std::string_view templateName, std::string_view libraryName) {
    std::string text = "Current Template: ";
    text += templateName.empty() ? UiText(string_id::Unknown) : std::string(templateName);
    text += "  (";
    text += libraryName;
    text += ")";
    return text;
}

std::string CaptionPanelText(std::string_view title, std::string_view description) {
    std::string text(title);
    text += "\r\n\r\n";
    text += description;
    return text;
}

}  // namespace gb::app
