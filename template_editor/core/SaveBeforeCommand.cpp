#include "template_editor/core/SaveBeforeCommand.h"

#include "template_editor/core/EditorStrings.h"
#include "template_editor/core/TemplateDoc.h"
#include "template_editor/core/TemplateDocPrompts.h"

namespace gb::editor {

SaveStep SaveBeforeCommand(CTemplateDoc& doc, TemplateDocPrompts& prompts, FileCommand command,
                           bool sectionStored) {
    const bool explicitSave = command == FileCommand::Save || command == FileCommand::SaveAs;
    SaveStep step;
    if (!sectionStored) {
        if (explicitSave) {
            prompts.ShowMessage(EditorStrings().Get(string_id::TemplateMalformed));
            return step;
        }
        if (!prompts.AskYesNo(EditorStrings().Get(string_id::DiscardMalformedSection))) {
            return step;
        }
        step.sectionDiscarded = true;
    }
    const SaveOutcome outcome = explicitSave
                                    ? doc.SaveTemplate(command == FileCommand::SaveAs, false)
                                    : doc.SaveTemplate(false, true);
    step.goOn = outcome == SaveOutcome::Done;
    return step;
}

}  // namespace gb::editor
