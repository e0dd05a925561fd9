#include "template_editor/core/EditorSettings.h"

#include <cstdint>

#include "platform/PathText.h"
#include "platform/Settings.h"
#include "template_editor/core/EditorStrings.h"

namespace gb::editor {

namespace {

const std::string& SectionKey() {
    static const std::string key = std::string(gb::kApplicationKey) + "\\Template\\Settings";
    return key;
}

constexpr std::string_view kLibrary = "Library";
constexpr std::string_view kTemplate = "Template";

}  // namespace

std::string EditorSettings::GetLibraryName() const {
    return gb::paths::FromSettingText(
               root_.GetString(SectionKey(), kLibrary,
                               EditorStrings().Get(string_id::DefaultLibrary)))
        .string();
}

int EditorSettings::GetTemplateIndex() const {
    return static_cast<std::int32_t>(root_.GetNumber(SectionKey(), kTemplate, 0));
}

void EditorSettings::Store(const std::string& libraryName, int templateIndex) {
    root_.SetNumber(SectionKey(), kTemplate, static_cast<std::uint32_t>(templateIndex));
    root_.SetString(SectionKey(), kLibrary, gb::paths::ToSettingText(libraryName));
}

}  // namespace gb::editor
