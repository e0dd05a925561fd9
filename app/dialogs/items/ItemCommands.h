#pragma once
// The dialogs of the item list's commands: the question before Delete and
// Archive, the folder of Move Item(s), and Create Duplicate from the question
// to the new item.

#include <cstdint>
#include <optional>

#include "app/core/items/SelectionCommands.h"
#include "itemdb/ItemList.h"

class QWidget;

namespace gb::itemdb {
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

// Asks whether to delete or archive `count` items; true for Yes. Nothing is
// asked, and the answer is false, when there are none.
bool ConfirmStateMove(gb::widgets::ModalRunner& runner, QWidget* parent, StateMove move,
                      std::size_t count);

// The folder chosen in "Move To Folder"; none after Cancel.
std::optional<std::int32_t> ChooseMoveFolder(gb::widgets::ModalRunner& runner, QWidget* parent,
                                             const gb::itemdb::CFolderTree& folders);

// What Create Duplicate came to.
struct DuplicateOutcome {
    bool created = false;
    // The new item; none when the folder on display does not show it.
    gb::itemdb::CItemList::ItemId item;
};

// Runs "Create Duplicate Item" on a copy of the item at `source` and files
// the new item as ended.
DuplicateOutcome CreateDuplicate(gb::widgets::ModalRunner& runner, QWidget* parent,
                                 gb::itemdb::CItemList& items,
                                 const gb::itemdb::CItemList::ItemId& source);

}  // namespace gb::app::ui
