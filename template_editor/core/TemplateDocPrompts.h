#pragma once
// The questions, messages and the Save Template As dialog that the template
// document needs, injectable so that tests never wait on a window. Texts are
// Windows-1252.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace gb::editor {

// Where and as what the user chose to save a template.
struct SaveAsChoice {
    std::filesystem::path library;
    int index = -1;  // the template to replace; -1 to add it
    std::string name;
    std::string description;
};

enum class Answer { Yes, No, Cancel };

class TemplateDocPrompts {
public:
    // A Yes/No question; true for Yes.
    virtual bool AskYesNo(std::string_view question) = 0;
    // A question with Yes, No and Cancel.
    virtual Answer AskYesNoCancel(std::string_view question) = 0;
    // Runs the Save Template As dialog for the template at `index` (-1: a new
    // one) of `library`; nothing when the user cancels.
    virtual std::optional<SaveAsChoice> ChooseSaveAs(const std::filesystem::path& library,
                                                     int index) = 0;
    virtual void ShowMessage(std::string_view message) = 0;

protected:
    ~TemplateDocPrompts() = default;
};

}  // namespace gb::editor
