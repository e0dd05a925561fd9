#pragma once
// "Set Item Status": a drop-down list of the statuses ("Needs Attention",
// then the profile's status folders) that proposes the status after the one
// the selected items have. The status chosen when it closes is StatusId().

#include <QtWidgets/QDialog>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "app/core/bulk/StatusChoice.h"
#include "itemdb/ItemList.h"

namespace gb::app::ui::Ui {
class CStatusDlg;
}

namespace gb::itemdb {
class CFolderTree;
}  // namespace gb::itemdb

namespace gb::widgets {
class ModalRunner;
}  // namespace gb::widgets

namespace gb::app::ui {

class CStatusDlg final : public QDialog {
    Q_OBJECT

public:
    // `status`: the status to start from; it stays the chosen one while no
    // entry is selected.
    CStatusDlg(const std::vector<StatusChoice>& choices, std::int32_t status,
               QWidget* parent = nullptr);
    ~CStatusDlg() override;

    std::int32_t StatusId() const { return statusId_; }
    Ui::CStatusDlg& Form() { return *ui_; }

private:
    void OnSelchangeStatus(int index);

    std::unique_ptr<Ui::CStatusDlg> ui_;
    std::int32_t statusId_;
};

// The item list's Set Status command: asks for the status, preset from the
// first selected item, and sets it on every selected item; items still in
// progress keep theirs, which a message says afterwards. No selection is a
// message. True when items were stored.
bool SetStatusOfSelection(gb::widgets::ModalRunner& runner, QWidget* parent,
                          gb::itemdb::CItemList& items,
                          std::span<const gb::itemdb::CItemList::ItemId> selection,
                          const gb::itemdb::CFolderTree& folders);

}  // namespace gb::app::ui
