#pragma once
// The entry points of the item list's Edit Item(s) command and of a
// double-click on an item: the item sheet on a copy of the item.

#include <functional>
#include <string_view>

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
    NoItem,     // no list holds the item
    Cancelled,  // nothing changed
    Displayed,  // stored, and the folder on display still shows it
    Left,       // stored, and it left the folder on display
    Gone,       // the item left the profile while the sheet was open: not stored
};

// What the user is told when the item he edited left the profile meanwhile.
inline constexpr std::string_view kEditedItemGone =
    "The item you edited is no longer in this profile: an update removed it while you were "
    "editing it. Your changes could not be stored.";

// Edits a copy of the item and stores the fields the user changed through
// the item list's replace-and-retest, which marks the list modified. The item
// is looked up again when the sheet closes: whatever happened to the list
// meanwhile, the edit goes onto the same item as it is then, keeping what an
// update merged into the fields the user left alone, or the user is told
// that the item is gone.
EditOutcome EditDisplayedItem(widgets::ModalRunner& runner, QWidget* parent,
                              itemdb::CItemList& items, const itemdb::CItemList::ItemId& id,
                              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
                              const ItemSheetServices& services = {});

}  // namespace gb::app::ui
