#pragma once
// The entry points of the item list's Edit Item(s) command and of a
// double-click on an item: the item sheet on a copy of the item.

#include <functional>

#include "app/dialogs/sheet/CInvSheet.h"
#include "itemdb/ItemList.h"

class QWidget;

namespace gb::widgets {
class ModalRunner;
}

namespace gb::app::ui {

// The Payment page's "Edit:" service: the Customize Drop Down Lists dialog
// over the lists the machine settings keep, the lists the sheet shows.
std::function<void(QWidget* parent)> EditStoredDropDownLists(widgets::ModalRunner& runner);

// Runs the item sheet on a copy of `item`. After OK `item` is the edited
// copy and the result is true; after Cancel `item` is untouched.
bool EditItem(widgets::ModalRunner& runner, QWidget* parent, itemdb::CAucItem& item,
              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
              const ItemSheetServices& services = {});

// What editing a displayed item came to.
enum class EditOutcome {
    NoItem,     // the position finds no item
    Cancelled,  // nothing changed
    Displayed,  // stored, and the folder on display still shows it
    Left,       // stored, and it left the folder on display
};

// Edits the item at a display position and stores the edited copy through the
// item list's replace-and-retest, which marks the list modified.
EditOutcome EditDisplayedItem(widgets::ModalRunner& runner, QWidget* parent,
                              itemdb::CItemList& items, itemdb::CItemList::DisplayPos position,
                              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
                              const ItemSheetServices& services = {});

}  // namespace gb::app::ui
