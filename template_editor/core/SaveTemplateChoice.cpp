#include "template_editor/core/SaveTemplateChoice.h"

#include <algorithm>

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/NameRules.h"

namespace gb::editor {

LibraryState SaveTemplateChoice::Fill() {
    const LibraryState state = ReadLibrary(library_, path_);
    library_.SetCurrent(std::max(index_, 0));
    return state;
}

TemplateRow SaveTemplateChoice::SelectRow(int row) {
    const gb::itemdb::CTDocText* chosen =
        row >= 0 && row < library_.GetCount() ? library_.GetTemplate(row) : nullptr;
    if (chosen == nullptr) {
        index_ = -1;
        return {};
    }
    index_ = row;
    return {chosen->GetName(), chosen->GetDescription()};
}

bool SaveTemplateChoice::SwitchLibrary(const std::filesystem::path& library) {
    if (SameLibrary(library, path_)) {
        return false;
    }
    path_ = library;
    switched_ = true;
    index_ = -1;
    return true;
}

SaveTemplateChoice::Decision SaveTemplateChoice::Decide(const std::string& name,
                                                        const std::string& description) {
    using Kind = Decision::Kind;
    if (name.empty() || description.empty()) {
        return {Kind::Refuse, LoadMessage(string_id::NameAndDescriptionNeeded)};
    }
    if (!IsValidTemplateName(name)) {
        return {Kind::Refuse, LoadMessage(string_id::InvalidTemplateName, name)};
    }
    name_ = name;
    description_ = description;
    // The template being saved, when it is one of this library's.
    const bool inThisLibrary = !switched_ && savedIndex_ >= 0 && savedIndex_ < library_.GetCount();
    const int found = library_.FindByName(name);
    if (found < 0) {
        // A new name for a template of this library renames it, if the user
        // wants; a new template simply gets it.
        if (!inThisLibrary) {
            index_ = -1;
            return {Kind::Finish, {}};
        }
        index_ = savedIndex_;
        return {Kind::AskRename, LoadMessage(string_id::RenameTemplate,
                                             library_.GetTemplate(savedIndex_)->GetName(), name)};
    }
    index_ = found;
    if (inThisLibrary && found == savedIndex_) {
        return {Kind::Finish, {}};
    }
    return {Kind::AskReplace, LoadMessage(string_id::ReplaceTemplate, name)};
}

void SaveTemplateChoice::AnswerRename(bool yes) {
    if (!yes) {
        index_ = -1;
    }
}

}  // namespace gb::editor
