#pragma once
// What the Open Template dialog works on: a library read from its file, the
// templates deleted from it, and the template picked. Deletions reach the file
// only when the dialog ends with Open.

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "itemdb/TemplateLibrary.h"
#include "template_editor/core/LibraryFile.h"
#include "template_editor/core/TemplateRows.h"

namespace gb::editor {

class OpenTemplateChoice {
public:
    OpenTemplateChoice(std::filesystem::path library, int selected)
        : path_(std::move(library)), selected_(selected) {}

    // Reads the library; an unreadable one lists nothing.
    LibraryState Fill();
    std::vector<TemplateRow> Rows() const { return RowsOf(library_); }
    // The row to select after a fill: the selected index, 0 when negative.
    int RowToSelect() const { return selected_ < 0 ? 0 : selected_; }

    // The name of the template at `row`; nothing when there is none to delete.
    std::optional<std::string> NameAt(int row) const;
    // Deletes the template at `row`; the row to select next (-1 when none is left).
    int Delete(int row);

    // Takes another library; false when it is the same one (ignoring case).
    bool SwitchLibrary(const std::filesystem::path& library);

    // Ends with Open on `row` (-1 for none): writes the library when templates
    // were deleted. False when that write fails.
    bool Finish(int row);

    const std::filesystem::path& GetPath() const { return path_; }
    int GetSelected() const { return selected_; }

private:
    std::filesystem::path path_;
    int selected_;
    gb::itemdb::CTemplateLibrary library_;
    LibraryState state_ = LibraryState::Missing;
};

}  // namespace gb::editor
