#pragma once
// The item sheet: the modal property sheet "Edit Inventory Item" over a copy
// of one item, with the pages Item, Invoice, Payment, Shipping, Charges, Fees
// and Categories. The pages reach the copy, the fee schedule and the folder
// tree through the sheet; the caller takes the copy back only after OK.

#include <functional>
#include <string>
#include <vector>

#include "app/dialogs/common/FieldValueCombo.h"
#include "itemdb/AucItem.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FolderTree.h"
#include "widgets/PropertySheet.h"

namespace gb::app::ui {

// What the sheet needs from the program beyond the item.
struct ItemSheetServices {
    // The drop-down value list of a field, by field ID; none leaves the lists
    // empty.
    std::function<std::vector<std::string>(int fieldId)> dropDownValues;
    // Opens the Customize Drop Down Lists dialog; without it the Payment
    // page's Edit button is disabled.
    std::function<void(QWidget* parent)> editDropDownLists;
};

class CInvSheet final : public widgets::PropertySheet {
    Q_OBJECT

public:
    enum Tab { ItemTab, InvoiceTab, PaymentTab, ShippingTab, ChargesTab, FeesTab, CategoriesTab };

    CInvSheet(widgets::ModalRunner& runner, QWidget* parent, const itemdb::CAucItem& item,
              const itemdb::CFeeSchedule& fees, const itemdb::CFolderTree& folders,
              ItemSheetServices services);

    itemdb::CAucItem& Item() { return item_; }
    // The sheet's own copies: walking them moves their cursors.
    itemdb::CFeeSchedule& Fees() { return fees_; }
    itemdb::CFolderTree& Folders() { return folders_; }
    const ItemSheetServices& Services() const { return services_; }

    // The list of a drop-down field, read when the list drops down.
    FieldValueCombo::ValueSource ValuesOf(int fieldId) const;
    // An OK message box over the sheet.
    void ShowMessage(const std::string& text);

protected:
    void InitSheet() override;

private:
    widgets::ModalRunner& runner_;
    itemdb::CAucItem item_;
    itemdb::CFeeSchedule fees_;
    itemdb::CFolderTree folders_;
    ItemSheetServices services_;
};

}  // namespace gb::app::ui
