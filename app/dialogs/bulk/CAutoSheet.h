#pragma once
// "Bulk Item Update": six pages that write into a blank template item; after
// OK the template is applied to every selected item, field by field.

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/BulkUpdate.h"
#include "app/dialogs/bulk/BulkSheetSources.h"
#include "itemdb/ItemList.h"
#include "widgets/PropertySheet.h"

namespace gb::itemdb {
class CFolderTree;
}

namespace gb::app::ui {

class CAutoSheet final : public gb::widgets::PropertySheet {
    Q_OBJECT

public:
    // `count` items are to change; the template starts with `status`, the
    // first selected item's.
    CAutoSheet(gb::widgets::ModalRunner& runner, BulkSheetSources sources, int count,
               std::int32_t status, QWidget* parent = nullptr);

    BulkTemplate& Template() { return bulk_; }
    const BulkTemplate& Template() const { return bulk_; }

protected:
    void InitSheet() override;

private:
    template <typename Page>
    void Add(const QString& title);

    gb::widgets::ModalRunner& runner_;
    BulkSheetSources sources_;
    BulkTemplate bulk_;
    int count_;
};

struct BulkUpdateOptions {
    gb::itemdb::CFolderTree& folders;
    ValueListSource lists;
    // Shows a one-time hint by string ID.
    std::function<void(int stringId)> showHint;
    // The folder shown is "In Progress" or "No Category": the Item page is left
    // out, so status and payment stay as they are.
    bool withoutItemPage = false;
};

// The Bulk Update command: asks for the changes and applies them to the
// selected items through the item list. Nothing when the selection is empty
// (after the message) or the sheet was cancelled; a refused status is
// reported before returning.
std::optional<BulkUpdateResult> BulkUpdate(
    gb::widgets::ModalRunner& runner, QWidget* parent, gb::itemdb::CItemList& items,
    std::span<const gb::itemdb::CItemList::ItemId> selection,
    const gb::itemdb::CFeeSchedule& fees, const BulkUpdateOptions& options);

}  // namespace gb::app::ui
