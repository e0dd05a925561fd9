#include "app/dialogs/status/CStatusDlg.h"

#include "app/core/UiStrings.h"
#include "app/core/status/StatusChange.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/ui/WaitCursor.h"
#include "ui_CStatusDlg.h"
#include "widgets/ModalRunner.h"
#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::itemdb::CItemList;
using gb::widgets::ToQt;

CStatusDlg::CStatusDlg(const std::vector<StatusChoice>& choices, std::int32_t status,
                       QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::CStatusDlg>()), statusId_(status) {
    ui_->setupUi(this);
    for (const StatusChoice& choice : choices) {
        ui_->status->addItem(ToQt(choice.name), choice.id);
    }
    const std::optional<std::size_t> proposed = ProposedStatusIndex(choices, status);
    ui_->status->setCurrentIndex(proposed ? static_cast<int>(*proposed) : -1);
    OnSelchangeStatus(ui_->status->currentIndex());
    connect(ui_->status, &QComboBox::currentIndexChanged, this, &CStatusDlg::OnSelchangeStatus);
}

CStatusDlg::~CStatusDlg() = default;

void CStatusDlg::OnSelchangeStatus(int index) {
    if (index >= 0) {
        statusId_ = ui_->status->itemData(index).toInt();
    }
}

bool SetStatusOfSelection(gb::widgets::ModalRunner& runner, QWidget* parent, CItemList& items,
                          std::span<const CItemList::ItemId> selection,
                          const gb::itemdb::CFolderTree& folders) {
    const gb::itemdb::CAucItem* first = selection.empty() || selection.front().IsNone()
                                            ? nullptr
                                            : items.GetItemAt(selection.front());
    if (first == nullptr) {
        ShowAppMessage(runner, parent, string_id::NoItemSelected);
        return false;
    }
    CStatusDlg dialog(StatusChoices(folders), first->GetStatus(), parent);
    if (runner.Run(dialog) != QDialog::Accepted) {
        return false;
    }
    StatusChangeResult result;
    {
        const WaitCursor wait;
        result = ChangeStatus(items, selection, dialog.StatusId());
    }
    if (result.refused) {
        ShowAppMessage(runner, parent, string_id::StatusInProgress);
    }
    return result.changed;
}

}  // namespace gb::app::ui
