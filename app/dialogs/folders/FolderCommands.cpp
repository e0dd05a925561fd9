#include "app/dialogs/folders/FolderCommands.h"

#include "app/core/FolderRules.h"
#include "app/dialogs/folders/CColumnsDlg.h"
#include "app/dialogs/report/CRptSheet.h"
#include "app/dialogs/web/CWebLinkDlg.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderTree.h"
#include "widgets/ModalRunner.h"

using gb::itemdb::CFolderTree;

namespace gb::app::ui {

FolderCommands::FolderCommands(gb::itemdb::CAucDoc& document, const gb::itemdb::CFeeSchedule& fees,
                               const gb::app::UiServices& services, QWidget* parent)
    : document_(document), fees_(fees), services_(services), parent_(parent) {}

std::optional<gb::app::AddedFolder> FolderCommands::New(std::int32_t currentId) {
    return gb::app::AddFolderBeside(document_.EditFolders(), currentId);
}

std::optional<gb::app::AddedFolder> FolderCommands::AddFolder(std::int32_t currentId) {
    return gb::app::AddGroupFolder(document_.EditFolders(), currentId);
}

FolderCommands::EditOutcome FolderCommands::Edit(std::int32_t currentId) {
    CFolderTree& tree = document_.EditFolders();
    const auto values = ReadFolderEdit(tree, currentId);
    if (!values) {
        return {};
    }
    const bool heading = tree.IsCurHeading() != 0;
    EditOutcome outcome;
    outcome.editor = EditorFor(currentId, tree.GetCurType(), heading);
    if (outcome.editor == FolderEditor::ReportSheet) {
        outcome.accepted =
            EditReportCriteria(services_.modals, parent_, document_, fees_, currentId);
        outcome.refresh = outcome.accepted;
        return outcome;
    }
    if (outcome.editor != FolderEditor::Columns) {
        return outcome;
    }
    CColumnsDlg dialog(*values, fees_, parent_);
    if (services_.modals.Run(dialog) != QDialog::Accepted) {
        return outcome;
    }
    outcome.accepted = StoreFolderEdit(document_.EditFolders(), currentId, dialog.Values());
    outcome.refresh = outcome.accepted && !heading;
    return outcome;
}

bool FolderCommands::EditLink(std::int32_t currentId, const std::string& shownAddress) {
    CFolderTree& tree = document_.EditFolders();
    if (!tree.FindNode(currentId)) {
        return false;
    }
    const WebLink link{tree.GetCurName(), tree.GetCurColumnsOrURL(), tree.GetCurDescription()};
    const std::optional<WebLink> edited =
        EditWebLink(services_.modals, parent_, link, shownAddress);
    if (!edited || !tree.FindNode(currentId)) {
        return false;
    }
    tree.SetCurName(edited->name);
    tree.SetCurColumnsOrURL(edited->address);
    tree.SetCurDescription(edited->description);
    return true;
}

bool FolderCommands::Delete(std::int32_t currentId) {
    CFolderTree& tree = document_.EditFolders();
    if (!tree.FindNode(currentId) || tree.IsCurFixed() != 0) {
        return false;
    }
    const std::int32_t type = tree.GetCurType();
    const auto question =
        gb::app::DeleteQuestion(type, tree.IsCurHeading() != 0, tree.GetCurName());
    if (question && services_.messages.Show(*question, MessageButtons::YesNo,
                                            MessageIcon::Question) != MessageResult::Yes) {
        return false;
    }
    // Deleting a status, category or seller folder treats every item it holds.
    const WaitCursor wait;
    return gb::app::DeleteFolder(document_, currentId, type);
}

bool FolderCommands::CanRename(std::int32_t currentId) {
    // A question: the tree's cursor stays where it is.
    const gb::itemdb::CFolderNode* node = document_.GetFolders().GetNode(currentId);
    return gb::app::CanRename(currentId) &&
           gb::app::CanEditLabel(node != nullptr, node != nullptr && node->fixed != 0);
}

std::optional<std::string> FolderCommands::EndLabelEdit(std::int32_t id,
                                                        std::optional<std::string_view> edited) {
    CFolderTree& tree = document_.EditFolders();
    if (!tree.FindNode(id)) {
        return std::nullopt;
    }
    if (tree.IsCurFixed() == 0) {
        if (const auto name = gb::app::AcceptedLabel(edited)) {
            tree.SetCurName(*name);
        }
    }
    return tree.GetCurName();
}

}  // namespace gb::app::ui
