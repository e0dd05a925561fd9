#include "template_editor/core/OpenTemplateChoice.h"

#include <algorithm>

namespace gb::editor {

LibraryState OpenTemplateChoice::Fill() {
    state_ = ReadLibrary(library_, path_);
    return state_;
}

std::optional<std::string> OpenTemplateChoice::NameAt(int row) const {
    if (row < 0 || row >= library_.GetCount()) {
        return std::nullopt;
    }
    return library_.GetTemplate(row)->GetName();
}

int OpenTemplateChoice::Delete(int row) {
    if (!library_.DeleteTemplate(row)) {
        return -1;
    }
    return std::min(row, library_.GetCount() - 1);
}

bool OpenTemplateChoice::SwitchLibrary(const std::filesystem::path& library) {
    if (SameLibrary(library, path_)) {
        return false;
    }
    path_ = library;
    selected_ = 0;
    return true;
}

bool OpenTemplateChoice::Finish(int row) {
    selected_ = row;
    if (!library_.IsModified()) {
        return true;
    }
    return MayWrite(state_) && library_.SaveFile();
}

}  // namespace gb::editor
