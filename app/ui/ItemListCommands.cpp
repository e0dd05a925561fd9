#include "app/ui/ItemListCommands.h"

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/IFrame.h"
#include "app/core/MachineProfile.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/items/SitePages.h"
#include "app/core/status/StatusChange.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/hints/CExplainDlg.h"
#include "app/dialogs/items/ItemCommands.h"
#include "app/dialogs/sheet/EditItem.h"
#include "app/dialogs/status/CStatusDlg.h"
#include "app/dialogs/summary/CSummaryDlg.h"
#include "app/ui/CInvView.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "platform/Settings.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CFolderNode;
using gb::itemdb::CItemList;
namespace folder = gb::itemdb::folder;

namespace gb::app::ui {

namespace {

// The drop-down lists the machine settings keep ("Combos"), by field ID.
ValueListSource StoredValueLists() {
    return [](int fieldId) {
        return MachineProfile(gb::Settings::LocalMachine()).GetComboValues(fieldId);
    };
}

}  // namespace

void ItemListCommands::Bind(CommandMap& commands) {
    const auto needsSelection = [this](int, CommandUpdate& update) {
        update.Enable(list_.SelectedCount() > 0);
    };
    commands.On(cmd::EditItems, [this](int) { OnEditItems(); });
    commands.OnUpdate(cmd::EditItems, needsSelection);
    commands.On(cmd::BulkUpdate, [this](int) { OnBulkUpdate(); });
    commands.OnUpdate(cmd::BulkUpdate, needsSelection);
    commands.On(cmd::SetStatus, [this](int) { OnSetStatus(); });
    commands.OnUpdate(cmd::SetStatus, [this](int, CommandUpdate& update) {
        const CFolderNode* folder = frame_.Document().GetSelectedFolder();
        update.Enable(folder != nullptr &&
                      CanSetStatus(list_.SelectedCount(), folder->type, folder->kind));
    });
    commands.On(cmd::InstantSummary, [this](int) {
        ShowInstantSummary(frame_.Services().modals, &list_, frame_.Document().GetItemList(),
                           list_.SelectedIds());
    });
    commands.On(cmd::DeleteItems, [this](int) { OnMoveToList(StateMove::Delete); });
    commands.OnUpdate(cmd::DeleteItems, needsSelection);
    commands.On(cmd::ArchiveItems, [this](int) { OnMoveToList(StateMove::Archive); });
    commands.OnUpdate(cmd::ArchiveItems, needsSelection);
    commands.On(cmd::MoveItems, [this](int) { OnMoveItems(); });
    commands.OnUpdate(cmd::MoveItems, needsSelection);
    // The flag flips on every selected item, on none when none is selected.
    commands.On(cmd::StoreItem, [this](int) { OnToggleStoreItem(); });
    commands.On(cmd::CreateDuplicate, [this](int) { OnDuplicate(); });
    commands.OnUpdate(cmd::CreateDuplicate, [this](int, CommandUpdate& update) {
        update.Enable(list_.SelectedCount() == 1);
    });
    // The listing, bid history, feedback and (252) the listing again.
    for (int page = cmd::ViewListing; page <= cmd::ViewListing + 3; ++page) {
        commands.On(page, [this](int id) { OnNavigate(id); });
        commands.OnUpdate(page, needsSelection);
    }
}

void ItemListCommands::ShowHintOnce(int stringId) {
    HintReminder(frame_.App().GetUserSettings(), [this](int id) {
        return CExplainDlg::Ask(frame_.Services().modals, &list_, id);
    }).ShowOnce(stringId);
}

void ItemListCommands::OnEditItems() {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    if (selected.size() > 1) {
        OnBulkUpdate();
        return;
    }
    if (selected.empty()) {
        ShowAppMessage(frame_.Services().modals, &list_, string_id::NoItemToEdit);
        return;
    }
    ItemSheetServices services;
    services.dropDownValues = StoredValueLists();
    services.editDropDownLists = EditStoredDropDownLists(frame_.Services().modals);
    CAucDoc& document = frame_.Document();
    const EditOutcome outcome = EditDisplayedItem(
        frame_.Services().modals, &list_, document.GetItemList(), selected.front(),
        frame_.App().GetFeeSchedule(), document.GetFolders(), services);
    if (outcome == EditOutcome::Gone) {
        ShowAppMessage(frame_.Services().modals, &list_, std::string(kEditedItemGone));
    }
    if (outcome == EditOutcome::Displayed) {
        list_.SelectItems(selected);
    }
}

void ItemListCommands::OnSetStatus() {
    CAucDoc& document = frame_.Document();
    SetStatusOfSelection(frame_.Services().modals, &list_, document.GetItemList(),
                         list_.SelectedIds(), document.GetFolders());
}

void ItemListCommands::OnBulkUpdate() {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    CAucDoc& document = frame_.Document();
    const CFolderNode* shown = document.GetSelectedFolder();
    BulkUpdateOptions options{document.EditFolders(), StoredValueLists(),
                              [this](int stringId) { ShowHintOnce(stringId); },
                              shown != nullptr && (shown->type == folder::InProgress ||
                                                   shown->kind == folder::NoCategory)};
    BulkUpdate(frame_.Services().modals, &list_, document.GetItemList(), selected,
               frame_.App().GetFeeSchedule(), options);
}

void ItemListCommands::OnMoveToList(StateMove move) {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    if (!ConfirmStateMove(frame_.Services().modals, &list_, move, selected.size())) {
        return;
    }
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    MoveToList(frame_.Document().GetItemList(), selected, TargetListOf(move));
}

void ItemListCommands::OnMoveItems() {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    if (selected.empty()) {
        ShowAppMessage(frame_.Services().modals, &list_, string_id::NoItemSelected);
        return;
    }
    CAucDoc& document = frame_.Document();
    const std::optional<std::int32_t> target =
        ChooseMoveFolder(frame_.Services().modals, &list_, document.GetFolders());
    if (!target) {
        return;
    }
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    MoveToFolder(document.GetItemList(), selected, *target);
}

void ItemListCommands::OnToggleStoreItem() {
    const WaitCursor wait;
    ToggleStoreItems(frame_.Document().GetItemList(), list_.SelectedIds());
}

void ItemListCommands::OnDuplicate() {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    if (selected.size() != 1) {
        ShowAppMessage(frame_.Services().modals, &list_, string_id::DuplicateNeedsOne);
        return;
    }
    CAucDoc& document = frame_.Document();
    const DuplicateOutcome outcome =
        CreateDuplicate(frame_.Services().modals, &list_, document.GetItemList(), selected.front());
    if (!outcome.created) {
        return;
    }
    document.SetModifiedFlag(true);
    if (outcome.item.IsNone()) {
        ShowHintOnce(string_id::HintDuplicateElsewhere);
        return;
    }
    list_.SelectItems({outcome.item});
}

void ItemListCommands::OnNavigate(int command) {
    const std::vector<CItemList::ItemId> selected = list_.SelectedIds();
    CAucDoc& document = frame_.Document();
    const gb::itemdb::CAucItem* item =
        selected.empty() ? nullptr : document.GetItemList().GetItemAt(selected.front());
    const auto addresses = [&document](std::string_view site, std::string_view id, int kind) {
        return document.GetSiteURL(site, id, kind);
    };
    // The page opens in the user's web browser; the list stays as it is.
    if (const std::optional<int> message =
            OpenSitePage(item, command, addresses, frame_.Services().shell)) {
        ShowAppMessage(frame_.Services().modals, &list_, *message);
    }
}

}  // namespace gb::app::ui
