#pragma once
// What the Save Template As dialog works on: the library to save into (read
// from its file), the place in it, and the name and description, with the
// checks and questions of Save.

#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "itemdb/TemplateLibrary.h"
#include "template_editor/core/LibraryFile.h"
#include "template_editor/core/TemplateDocPrompts.h"
#include "template_editor/core/TemplateRows.h"

namespace gb::editor {

class SaveTemplateChoice {
public:
    // `index`: the template being saved in `library`; -1 for a new one.
    SaveTemplateChoice(std::filesystem::path library, int index)
        : path_(std::move(library)), index_(index), savedIndex_(index) {}

    // Reads the library and makes the template being saved (or the first) its
    // current one.
    LibraryState Fill();
    std::vector<TemplateRow> Rows() const { return RowsOf(library_); }
    int RowToSelect() const { return index_ < 0 ? 0 : index_; }

    // The user picked `row`: the name and description it gives the edits
    // (empty for no valid row).
    TemplateRow SelectRow(int row);

    // Takes another library; false when it is the same one (ignoring case).
    bool SwitchLibrary(const std::filesystem::path& library);

    // What pressing Save leads to.
    struct Decision {
        enum class Kind {
            Refuse,      // show `text`; the dialog stays open
            AskRename,   // ask `text`: No saves a new template instead
            AskReplace,  // ask `text`: No keeps the dialog open
            Finish,
        };
        Kind kind;
        std::string text;
    };
    Decision Decide(const std::string& name, const std::string& description);
    // The answer to AskRename.
    void AnswerRename(bool yes);

    // Where and as what the template is to be saved.
    SaveAsChoice Result() const { return {path_, index_, name_, description_}; }

private:
    std::filesystem::path path_;
    int index_;
    // The index the dialog was opened with: the template being saved.
    int savedIndex_;
    bool switched_ = false;
    std::string name_;
    std::string description_;
    gb::itemdb::CTemplateLibrary library_;
};

}  // namespace gb::editor
