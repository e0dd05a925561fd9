#pragma once
// The template document's questions and messages as the editor's windows:
// message boxes and the Save Template As dialog, run through the modal runner.

#include "template_editor/core/TemplateDocPrompts.h"

class QWidget;

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class DocPrompts final : public TemplateDocPrompts {
public:
    DocPrompts(gb::widgets::ModalRunner& runner, QWidget* parent)
        : runner_(runner), parent_(parent) {}

    bool AskYesNo(std::string_view question) override;
    std::optional<SaveAsChoice> ChooseSaveAs(const std::filesystem::path& library,
                                             int index) override;
    void ShowMessage(std::string_view message) override;

private:
    gb::widgets::ModalRunner& runner_;
    QWidget* parent_;
};

}  // namespace gb::editor
