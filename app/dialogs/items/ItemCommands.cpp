#include "app/dialogs/items/ItemCommands.h"

#include "app/core/items/DuplicateItem.h"
#include "app/core/items/MoveFolders.h"
#include "app/dialogs/common/Messages.h"
#include "app/dialogs/items/CDuplicateDlg.h"
#include "app/dialogs/items/CMoveFolderDlg.h"
#include "itemdb/FolderKind.h"
#include "platform/Clock.h"
#include "widgets/ModalRunner.h"

using gb::itemdb::CAucItem;
using gb::itemdb::CItemList;

namespace gb::app::ui {

bool ConfirmStateMove(gb::widgets::ModalRunner& runner, QWidget* parent, StateMove move,
                      std::size_t count) {
    const std::optional<std::string> question = StateMoveQuestion(move, count);
    return question && AskYesNo(runner, parent, *question);
}

std::optional<std::int32_t> ChooseMoveFolder(gb::widgets::ModalRunner& runner, QWidget* parent,
                                             const gb::itemdb::CFolderTree& folders) {
    CMoveFolderDlg dialog(MoveFolderChoicesOf(folders), parent);
    if (runner.Run(dialog) != QDialog::Accepted || !CanMoveTo(dialog.ChosenFolder())) {
        return std::nullopt;
    }
    return dialog.ChosenFolder();
}

DuplicateOutcome CreateDuplicate(gb::widgets::ModalRunner& runner, QWidget* parent,
                                 CItemList& items, const CItemList::ItemId& source) {
    const CAucItem* original = items.GetItemAt(source);
    if (original == nullptr) {
        return {};
    }
    const gb::DateTime now = gb::Clock::Now();
    CAucItem duplicate = DuplicateOf(*original, now);
    const auto check = [&](const DuplicateEntries& entries) {
        CAucItem candidate = duplicate;
        std::optional<std::string> refused = StoreDuplicateEntries(candidate, entries, items);
        if (!refused) {
            duplicate = std::move(candidate);
        }
        return refused;
    };
    CDuplicateDlg dialog(DuplicateEntriesOf(duplicate, items, now), check, runner, parent);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return {};
    }
    return {true, items.AddNewItem(duplicate, gb::itemdb::folder::AuctionEnded)};
}

}  // namespace gb::app::ui
