#include "template_editor/core/SaveBeforeCommand.h"

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/core/TemplateDocPrompts.h"

namespace gb::editor {

bool SaveBeforeCommand(CTemplateDoc& doc, TemplateDocPrompts& prompts, FileCommand command,
                       bool sectionStored) {
    const bool explicitSave = command == FileCommand::Save || command == FileCommand::SaveAs;
    if (!sectionStored) {
        if (explicitSave) {
            prompts.ShowMessage(EditorStrings().Get(string_id::TemplateMalformed));
            return false;
        }
        if (!prompts.AskYesNo(EditorStrings().Get(string_id::DiscardMalformedSection))) {
            return false;
        }
    }
    const SaveOutcome outcome = explicitSave
                                    ? doc.SaveTemplate(command == FileCommand::SaveAs, false)
                                    : doc.SaveTemplate(false, true);
    return outcome == SaveOutcome::Done;
}

}  // namespace gb::editor
