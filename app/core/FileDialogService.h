#pragma once
// The dialogs that ask for a file to open or a name to save under, injectable
// so that tests never wait on a modal window. Texts are Windows-1252.

#include <filesystem>
#include <optional>
#include <string_view>

namespace gb::app {

class FileDialogService {
public:
    // `filter` as in "Profiles (*.pro)". Nothing when the user cancels.
    virtual std::optional<std::filesystem::path> AskOpenFile(std::string_view title,
                                                             std::string_view filter) = 0;
    virtual std::optional<std::filesystem::path> AskSaveFile(
        std::string_view title, std::string_view filter, const std::filesystem::path& proposal) = 0;

protected:
    ~FileDialogService() = default;
};

}  // namespace gb::app
