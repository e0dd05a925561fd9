#pragma once
// Editing a folder from the tree: which editor a folder gets, and the values
// the folder dialog shows and stores back.

#include <cstdint>
#include <optional>
#include <string>

namespace gb::itemdb {
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::app {

// The editor of a folder.
enum class FolderEditor {
    Columns,      // name, description and column set (the folder dialog)
    ReportSheet,  // a report's criteria
    WebLink,      // a web site's or a guide page's name, description and address
};

// Reports other than Search Results get the report sheet, web sites and
// guide pages the link dialog, every other folder (headings of any group
// included) the folder dialog.
FolderEditor EditorFor(std::int32_t id, std::int32_t type, bool heading);

// What the folder dialog edits.
struct FolderEditValues {
    std::string name;
    std::string description;
    std::string columnSet;
    // A fixed folder keeps its name and description; its columns may change.
    bool fixed = false;

    bool operator==(const FolderEditValues&) const = default;
};

// The folder's values; nothing when no folder has the id.
std::optional<FolderEditValues> ReadFolderEdit(gb::itemdb::CFolderTree& tree, std::int32_t id);
// Stores edited values: the column set always, name and description only for
// a folder that is not fixed. The name follows the rule of a label edit: an
// empty one keeps the old name, a long one is cut. False when no folder has
// the id.
bool StoreFolderEdit(gb::itemdb::CFolderTree& tree, std::int32_t id,
                     const FolderEditValues& values);

}  // namespace gb::app
