#pragma once
// The template document's questions and messages as the editor's windows:
// message boxes and the Save Template As dialog, run through the modal runner.

#include <QtCore/QPointer>
#include <QtWidgets/QWidget>

#include "template_editor/core/TemplateDocPrompts.h"

namespace gb::widgets {
class ModalRunner;
}

namespace gb::editor {

class DocPrompts final : public TemplateDocPrompts {
public:
    explicit DocPrompts(gb::widgets::ModalRunner& runner) : runner_(runner) {}

    // The window the prompts show over; none before it exists or after it
    // has gone.
    void SetParent(QWidget* parent) { parent_ = parent; }

    bool AskYesNo(std::string_view question) override;
    Answer AskYesNoCancel(std::string_view question) override;
    std::optional<SaveAsChoice> ChooseSaveAs(const std::filesystem::path& library,
                                             int index) override;
    void ShowMessage(std::string_view message) override;

private:
    gb::widgets::ModalRunner& runner_;
    QPointer<QWidget> parent_;
};

}  // namespace gb::editor
