#include "template_editor/core/NameRules.h"

namespace gb::editor {

bool IsPlainName(std::string_view name) {
    return !name.empty() && name.front() != '.' && name.find_first_of("/\\") == name.npos;
}

bool IsValidLibraryName(std::string_view name) {
    constexpr std::string_view kRefused = "!@#$%^&*()+={}[]|\\:;<>,?/~\"'`";
    return IsPlainName(name) && name.find_first_of(kRefused) == name.npos;
}

}  // namespace gb::editor
