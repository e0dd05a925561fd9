#include "template_editor/core/LibraryFile.h"

#include <system_error>

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

std::string UnreadableLibraryMessage(const std::filesystem::path& path) {
    return LoadMessage(string_id::LibraryUnreadable, path.filename().string());
}

}  // namespace gb::editor
