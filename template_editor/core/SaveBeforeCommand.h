#pragma once
// How the file commands save the current template first: Save and Save As
// stop when the section shown cannot be stored; New, Open and closing the
// window then ask whether to discard that section's edits or go back to them.
// Those three ask before saving what was stored, and stop when the save fails
// or the user cancels it.

namespace gb::editor {

class CTemplateDoc;
class TemplateDocPrompts;

enum class FileCommand { Save, SaveAs, New, Open, Close };

// What the saving step decided.
struct SaveStep {
    bool goOn = false;
    // The user chose to discard the edits of the section shown: from now on
    // the view is to show what the document holds, whether or not the command
    // goes on.
    bool sectionDiscarded = false;

    // Whether the command is to go on.
    explicit operator bool() const { return goOn; }
};

// Runs the saving step of `command`, given whether the section shown could be
// stored into the document.
SaveStep SaveBeforeCommand(CTemplateDoc& doc, TemplateDocPrompts& prompts, FileCommand command,
                           bool sectionStored);

}  // namespace gb::editor
