#include "template_editor/core/LibraryFile.h"

#include <system_error>

#include "platform/Cp1252.h"
#include "platform/PathText.h"
#include "template_editor/core/EditorStrings.h"

namespace gb::editor {

LibraryState ReadLibrary(gb::itemdb::CTemplateLibrary& library, const std::filesystem::path& path) {
    library = gb::itemdb::CTemplateLibrary();
    std::error_code error;
    const bool exists = std::filesystem::exists(path, error);
    if (!exists && !error) {
        library.SetPath(path);
        return LibraryState::Missing;
    }
    if (library.OpenFile(path)) {
        return LibraryState::Read;
    }
    library = gb::itemdb::CTemplateLibrary();
    library.SetPath(path);
    return LibraryState::Unreadable;
}

bool SameLibrary(const std::filesystem::path& a, const std::filesystem::path& b) {
    return gb::cp1252::EqualsNoCase(a.string(), b.string());
}

std::string UnreadableLibraryMessage(const std::filesystem::path& path) {
    return LoadMessage(string_id::LibraryUnreadable, gb::paths::ShownText(path.filename()));
}

}  // namespace gb::editor
