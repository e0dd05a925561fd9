#pragma once
// The profile document's questions and messages, asked through the program's
// message-box and file-dialog services.

#include "itemdb/DocumentPrompts.h"

namespace gb::app {

class FileDialogService;
class MessageService;

class ServicePrompts final : public gb::itemdb::DocumentPrompts {
public:
    ServicePrompts(MessageService& messages, FileDialogService& files)
        : messages_(messages), files_(files) {}

    Answer AskSaveChanges(std::string_view question) override;
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view title) override;
    void ReportError(std::string_view message) override;

private:
    MessageService& messages_;
    FileDialogService& files_;
};

}  // namespace gb::app
