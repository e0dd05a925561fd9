#pragma once
// Which names the editor accepts for new libraries and for templates. A name
// must stay inside its folder and must not make a hidden file.

#include <string_view>

namespace gb::editor {

// Not empty, not starting with '.', and without '/' or '\'.
bool IsPlainName(std::string_view name);

// A plain name without any of ! @ # $ % ^ & * ( ) + = { } [ ] | \ : ; < > , ? / ~
// " ' or `. Blanks and periods inside the name are fine.
bool IsValidLibraryName(std::string_view name);

inline bool IsValidTemplateName(std::string_view name) {
    return IsPlainName(name);
}

}  // namespace gb::editor
