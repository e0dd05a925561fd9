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
                              itemdb::CItemList& items, itemdb::CItemList::DisplayPos position,
                              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
                              const ItemSheetServices& services) {
    const itemdb::CAucItem* shown = items.GetItemAt(position);
    if (shown == nullptr || position.IsNone()) {
        return EditOutcome::NoItem;
    }
    itemdb::CAucItem item = *shown;
    if (!EditItem(runner, parent, item, fees, folders, services)) {
        return EditOutcome::Cancelled;
    }
    return items.ReplaceItem(item, position) ? EditOutcome::Displayed : EditOutcome::Left;
}

}  // namespace gb::app::ui
