#pragma once
// The profile document's questions and messages, asked through the program's
// message-box and file-dialog services.

#include <filesystem>

#include "itemdb/DocumentPrompts.h"

namespace gb::app {

class FileDialogService;
class MessageService;
class RecentFileList;

class ServicePrompts final : public gb::itemdb::DocumentPrompts {
public:
    // A new profile is proposed in the folder of the profile used most
    // recently, else in `documents`.
    ServicePrompts(MessageService& messages, FileDialogService& files, const RecentFileList& recent,
                   std::filesystem::path documents)
        : messages_(messages), files_(files), recent_(recent), documents_(std::move(documents)) {}

    Answer AskSaveChanges(std::string_view question) override;
    std::optional<std::filesystem::path> ChooseSavePath(std::string_view name) override;
    void ReportError(std::string_view message) override;

private:
    // Where profiles are kept: the folder of the newest profile used that is
    // still there, else the documents folder.
    std::filesystem::path ProfilesFolder() const;

    MessageService& messages_;
    FileDialogService& files_;
    const RecentFileList& recent_;
    std::filesystem::path documents_;
};

}  // namespace gb::app
