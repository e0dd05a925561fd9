#include "app/core/bulk/TemplateTexts.h"

#include "app/core/UiStrings.h"
#include "platform/DateTime.h"
#include "platform/Locale.h"

namespace gb::app {

std::optional<std::string> StoreTemplateTexts(gb::itemdb::CAucItem& item,
                                              std::span<const FieldText> texts) {
    for (const auto& [fieldId, text] : texts) {
        if (!item.SetFieldText(fieldId, text)) {
            return "Invalid " + gb::app::UiText(fieldId);
        }
    }
    return std::nullopt;
}

std::string DateText(int year, int month, int day) {
    return gb::FormatDateTime(gb::DateTime::FromCivil(year, month, day), gb::kLocaleUserDefault,
                              gb::DateTextForm::DateOnly);
}

std::string TrimRight(std::string text) {
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    return text;
}

}  // namespace gb::app
