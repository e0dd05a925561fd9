#pragma once
// The template document's prompts answered from the test: answers to the
// questions and Save As choices in order, and every text shown kept.

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "template_editor/core/TemplateDocPrompts.h"

namespace gb::editor {

class FakePrompts final : public TemplateDocPrompts {
public:
    bool AskYesNo(std::string_view question) override {
        return AskYesNoCancel(question) == Answer::Yes;
    }
    Answer AskYesNoCancel(std::string_view question) override {
        asked.emplace_back(question);
        const Answer answer = answers.empty() ? Answer::No : answers.front();
        if (!answers.empty()) {
            answers.pop_front();
        }
        return answer;
    }
    std::optional<SaveAsChoice> ChooseSaveAs(const std::filesystem::path& library,
                                             int index) override {
        saveAsAskedFor.emplace_back(library, index);
        std::optional<SaveAsChoice> choice = saveAs.empty() ? std::nullopt : saveAs.front();
        if (!saveAs.empty()) {
            saveAs.pop_front();
        }
        return choice;
    }
    void ShowMessage(std::string_view message) override { shown.emplace_back(message); }

    std::deque<Answer> answers;                      // none left: No
    std::deque<std::optional<SaveAsChoice>> saveAs;  // nothing: Cancel
    std::vector<std::string> asked;
    std::vector<std::pair<std::filesystem::path, int>> saveAsAskedFor;
    std::vector<std::string> shown;
};

}  // namespace gb::editor
