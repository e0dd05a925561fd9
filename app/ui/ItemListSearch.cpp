#include "app/ui/ItemListSearch.h"

#include <QtCore/QItemSelectionModel>

#include <string>

#include "app/core/IFrame.h"
#include "app/core/UiStrings.h"
#include "app/core/items/ItemSearch.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/items/CFindDlg.h"
#include "app/ui/CInvView.h"
#include "app/ui/ItemListModel.h"
#include "itemdb/AucDoc.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CAucItem;
using gb::itemdb::CItemFilter;
using gb::itemdb::CItemList;
using gb::itemdb::DocumentEvent;

namespace gb::app::ui {

void ItemListSearch::OnItemSearch() {
    if (findDlg_ == nullptr) {
        findDlg_ = new CFindDlg([this](const SearchRequest& request) { OnFindItem(request); },
                                frame_.Services().modals, &list_);
        findDlg_->show();
    }
    findDlg_->raise();
    findDlg_->activateWindow();
}

CFindDlg* ItemListSearch::FindDialog() const {
    return findDlg_;
}

void ItemListSearch::OnFindItem(const SearchRequest& request) {
    CAucDoc& document = frame_.Document();
    const CItemFilter filter =
        SearchFilter(request.scope, document.GetSelectedFilter(), request.fieldId, request.text);
    if (request.scope == SearchScope::AllFolders) {
        if (!FileSearchResults(document, filter,
                               SearchDescription(request.fieldId, request.text))) {
            ShowAppMessage(frame_.Services().modals, &list_, std::string(kSearchResultsMissing));
            return;
        }
        findDlg_->close();
        document.UpdateAllViews(nullptr, DocumentEvent::kHintNew);
        return;
    }
    if (list_.IsPartiallyLoaded()) {
        ShowAppMessage(frame_.Services().modals, &list_, string_id::PartialWarning);
    }
    const ItemListModel& model = list_.Model();
    const QModelIndex current = list_.currentIndex();
    const FolderMatch match =
        FindInFolder(current.isValid() ? current.row() : -1, model.rowCount(), [&](int row) {
            const CAucItem* item = model.ItemAt(row);
            return item != nullptr && filter.Match(*item);
        });
    // The message box runs an event loop, in which an update may move rows:
    // the match is carried across it as its item.
    const CItemList::ItemId matched = match.row >= 0 ? model.IdAt(match.row) : CItemList::ItemId();
    if (match.message) {
        ShowAppMessage(frame_.Services().modals, &list_, *match.message);
    }
    if (const int row = matched.IsNone() ? -1 : model.RowOf(matched); row >= 0) {
        const QModelIndex found = model.index(row, 0);
        list_.selectionModel()->setCurrentIndex(
            found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        list_.scrollTo(found, QAbstractItemView::EnsureVisible);
    }
}

}  // namespace gb::app::ui
