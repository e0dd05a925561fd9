#include "app/core/ServicePrompts.h"

#include "app/core/DocumentStrings.h"
#include "app/core/FileDialogService.h"
#include "app/core/MessageService.h"

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

std::optional<std::filesystem::path> ServicePrompts::ChooseSavePath(std::string_view title) {
    std::filesystem::path proposal(std::string(title) + ProfileExtension());
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
