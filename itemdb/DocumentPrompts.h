#pragma once
// The questions and messages of the profile document's lifecycle, injectable
// so that tests and tools never wait on a window. Texts are Windows-1252.

#include <filesystem>
#include <optional>
#include <string_view>

namespace gb::itemdb {

class DocumentPrompts {
public:
    enum class Answer { Yes, No, Cancel };

    // "Save changes to ...?" with Yes, No and Cancel.
    virtual Answer AskSaveChanges(std::string_view question) = 0;
    // The file to save a profile to, proposed under `name`; nothing when the
    // user cancels.
    virtual std::optional<std::filesystem::path> ChooseSavePath(std::string_view name) = 0;
    // A profile could not be opened or saved.
    virtual void ReportError(std::string_view message) = 0;

protected:
    ~DocumentPrompts() = default;
};

}  // namespace gb::itemdb
