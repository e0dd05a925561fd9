#include "app/dialogs/sheet/EditItem.h"

#include "app/core/MachineProfile.h"
#include "app/dialogs/combos/CComboListDlg.h"
#include "platform/Settings.h"

namespace gb::app::ui {

std::function<void(QWidget* parent)> EditStoredDropDownLists(widgets::ModalRunner& runner) {
    return [&runner](QWidget* parent) {
        MachineProfile machine(gb::Settings::LocalMachine());
        CComboListDlg::Run(runner, parent, machine);
    };
}

bool EditItem(widgets::ModalRunner& runner, QWidget* parent, itemdb::CAucItem& item,
              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
              const ItemSheetServices& services) {
    CInvSheet sheet(runner, parent, item, fees, folders, services);
    if (!sheet.Run()) {
        return false;
    }
    item = sheet.Item();
    return true;
}

EditOutcome EditDisplayedItem(widgets::ModalRunner& runner, QWidget* parent,
                              itemdb::CItemList& items, const itemdb::CItemList::ItemId& id,
                              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
                              const ItemSheetServices& services) {
    const itemdb::CAucItem* shown = items.GetItemAt(id);
    if (shown == nullptr) {
        return EditOutcome::NoItem;
    }
    const itemdb::CAucItem original = *shown;
    itemdb::CAucItem item = original;
    if (!EditItem(runner, parent, item, fees, folders, services)) {
        return EditOutcome::Cancelled;
    }
    // The sheet's event loop may have merged retrieved rows into the list:
    // only what the user changed goes onto the item as it is now.
    if (items.GetItemAt(id) == nullptr) {
        return EditOutcome::Gone;
    }
    return items.StoreEdit(original, item, id) ? EditOutcome::Displayed : EditOutcome::Left;
}

}  // namespace gb::app::ui
