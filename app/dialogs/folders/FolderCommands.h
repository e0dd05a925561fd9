#pragma once
// The folder commands of the navigation tree (New, Add Folder, Edit, Delete,
// Rename) on the profile's folder tree, with their dialogs and questions. The
// tree calls these with the folder the commands act on (its current node)
// and mirrors what they give back.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/FolderEditing.h"
#include "app/core/UiServices.h"
#include "app/core/folders/FolderEdit.h"

class QWidget;

namespace gb::itemdb {
class CAucDoc;
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app::ui {

class FolderCommands {
public:
    // Dialogs run through the services' modal runner; Delete asks through
    // their messages.
    FolderCommands(gb::itemdb::CAucDoc& document, const gb::itemdb::CFeeSchedule& fees,
                   const gb::app::UiServices& services, QWidget* parent);

    // New (32804): a folder of the current folder's group beside it (inside
    // it for a heading). The folder made, for the tree to insert and select.
    std::optional<gb::app::AddedFolder> New(std::int32_t currentId);
    // Add Folder (32806): a grouping folder among categories, reports and web
    // sites.
    std::optional<gb::app::AddedFolder> AddFolder(std::int32_t currentId);

    struct EditOutcome {
        // The editor the folder needs; the folder dialog and the report
        // criteria sheet run here, the link dialog is the caller's.
        FolderEditor editor = FolderEditor::Columns;
        bool accepted = false;
        // After an accepted edit of a folder that is not a heading: the tree
        // relabels the item, opens the folder and updates the views (hint 0).
        bool refresh = false;
    };
    // Edit (32807).
    EditOutcome Edit(std::int32_t currentId);
    // Edit of a web site or guide page: the link dialog, where "Get Current"
    // offers `shownAddress`. True when name, address and description were
    // stored.
    bool EditLink(std::int32_t currentId, const std::string& shownAddress);

    // Delete (32808): asks first for sellers, statuses, categories and
    // reports, and shows the wait cursor while the folder's items are treated;
    // a fixed folder is never deleted. True when the folder and its
    // sub-folders are gone; the document's selection is then on a folder that
    // exists (the deleted one's parent when it was selected).
    bool Delete(std::int32_t currentId);

    // Rename (32809): whether the tree starts editing the folder's label.
    bool CanRename(std::int32_t currentId);
    // The end of a label edit (nothing: cancelled). Gives the label the item
    // shows afterwards: the name stored, or the old one when the edit was
    // refused (empty, or a fixed folder); nothing when no folder has the id.
    std::optional<std::string> EndLabelEdit(std::int32_t id,
                                            std::optional<std::string_view> edited);

private:
    gb::itemdb::CAucDoc& document_;
    const gb::itemdb::CFeeSchedule& fees_;
    gb::app::UiServices services_;
    QWidget* parent_;
};

}  // namespace gb::app::ui
