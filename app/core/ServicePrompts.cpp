#include "app/core/ServicePrompts.h"

#include <algorithm>

#include "app/core/DocumentStrings.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"
#include "app/core/RecentFileList.h"
#include "platform/Cp1252.h"

using namespace gb::itemdb;

namespace gb::app {

DocumentPrompts::Answer ServicePrompts::AskSaveChanges(std::string_view question) {
    switch (messages_.Show(question, MessageButtons::YesNoCancel, MessageIcon::Warning)) {
        case MessageResult::Yes:
            return Answer::Yes;
        case MessageResult::No:
            return Answer::No;
        default:
            return Answer::Cancel;
    }
}

std::filesystem::path ServicePrompts::ProfilesFolder() const {
    for (const std::filesystem::path& profile : recent_.Entries()) {
        std::error_code error;
        if (std::filesystem::is_directory(profile.parent_path(), error)) {
            return profile.parent_path();
        }
    }
    return documents_;
}

std::optional<std::filesystem::path> ServicePrompts::ChooseSavePath(std::string_view name) {
    // The name as a file name: a slash would name a folder.
    std::string file = gb::cp1252::ToUtf8(name);
    std::replace(file.begin(), file.end(), '/', '_');
    const std::filesystem::path proposal = ProfilesFolder() / (file + ProfileExtension());
    auto path = files_.AskSaveFile("Save As", ProfileFilter(), proposal);
    if (path && !path->has_extension()) {
        path->replace_extension(ProfileExtension());
    }
    return path;
}

void ServicePrompts::ReportError(std::string_view message) {
    messages_.Show(message, MessageButtons::Ok, MessageIcon::Error);
}

}  // namespace gb::app
