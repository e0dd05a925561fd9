#pragma once
// The item list: one row per item of the folder on display, one column per
// entry of the folder's column set, the item's state icon first. It sorts by
// the column clicked, loads only the first 50 items of a folder of more than
// 400 until a column is clicked, and reports the folder's totals to the
// frame. What it shows is decided by its ItemListController; its rows hold
// item identities, so that the selection and every command stay with the
// items the user chose, whatever is sorted, edited or merged meanwhile.

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtWidgets/QTreeView>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/IFrame.h"
#include "app/core/ItemListController.h"
#include "app/core/ListRows.h"
#include "app/core/items/SelectionCommands.h"
#include "app/dialogs/common/AppMessage.h"
#include "app/dialogs/print/ItemListPrinting.h"
#include "app/ui/CView.h"
#include "app/ui/report/ItemReportCommands.h"
#include "itemdb/ItemList.h"

namespace gb::app::ui {

class CFindDlg;
class ItemListModel;
struct SearchRequest;

class CInvView final : public QTreeView, public CView {
    Q_OBJECT

public:
    CInvView(IFrame& frame, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    ViewKind Kind() const override { return ViewKind::Items; }
    void OnInitialUpdate() override;
    void OnUpdate(gb::itemdb::DocumentView* sender, std::int32_t hint) override;
    void OnItemsMerged() override;
    void OnItemChanged(const gb::itemdb::CItemList::ItemId& item) override;
    void OnFoldersChanged() override;

    // Fills the list with the items of the folder on display.
    void OnLoadFolder();
    // Sorts by the column; a folder loaded in part is loaded whole first.
    void OnColumnClick(int column);
    void UpdateStatus();
    void OnSelectAll();
    void OnDoubleSpace();
    void OnMatureAudiences();
    // Starts an update run of the document, unless one is running.
    void OnUpdateDatabase();

    // Edit Item(s): the item sheet for one selected item, the bulk update for
    // several; a double-click edits the item under the mouse.
    void OnEditItems();
    void OnBulkUpdate();
    // Set Status: the chosen status on every selected item not in progress.
    void OnSetStatus();
    // Delete and Archive: the selection to Deleted Items or Archive, after
    // asking.
    void OnMoveToList(StateMove move);
    void OnMoveItems();
    void OnToggleStoreItem();
    void OnDuplicate();
    // The first selected item's page on its site, commands 249-252.
    void OnNavigate(int command);
    // Opens the Item Search dialog, or brings it forward.
    void OnItemSearch();
    void OnFindItem(const SearchRequest& request);
    // The Item Search dialog while it is open.
    CFindDlg* FindDialog() const;
    void OnFilePrint();
    // Prints to the printer set up last, without asking.
    void OnFilePrintDirect();
    void OnFilePrintPreview();
    void OnFilePrintSetup();
    void OnExportItems();

    // The item context menu with its commands' states for the present selection.
    QMenu* ContextMenu();

    ItemListModel& Model() const { return *model_; }
    bool IsPartiallyLoaded() const { return controller_.IsPartial(); }
    std::size_t SelectedCount() const;
    int SortField() const { return controller_.SortField(); }
    int SortDirection() const { return controller_.SortDirection(); }
    // The identities of the selected rows' items, in row order.
    std::vector<gb::itemdb::CItemList::ItemId> SelectedIds() const;
    // Loads the folder again as the user last saw it: as much of it, in the
    // same order, with the same items selected.
    void ReloadKeepingView();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Rebuilds the columns from the folder's column set.
    void BuildColumns(const std::string& columnSet);
    void SizeColumns();
    // Shows these items as the rows, from the left edge.
    void ShowRows(const ItemListController::Items& items);
    void ShowSelectionCount();
    // The items of the selected rows, or of all rows, in list order.
    std::vector<const gb::itemdb::CAucItem*> RowItems(bool selectedOnly) const;
    // The rows as displayed, for printing and export.
    ListRows DisplayedRows() const;
    PrintContent PrintContentOf(const ListRows& rows);
    // Selects the items' rows; the first becomes the current row.
    void SelectItems(const std::vector<gb::itemdb::CItemList::ItemId>& items);
    // Tells the user that the item edited meanwhile is no longer in the profile.
    void ReportItemGone();
    // The drop-down lists the machine settings keep ("Combos"), by field ID.
    static ValueListSource StoredValueLists();
    bool SettingEnabled(std::string_view name) const;
    void StoreSetting(std::string_view name, bool enabled);

    IFrame& frame_;
    ItemListController controller_;
    ItemListModel* model_;
    ItemListPrinting printing_;
    QPointer<CFindDlg> findDlg_;
    // Rows merged by an update run show once the run pauses for a moment.
    QTimer mergedRowsReload_;
    bool firstUpdateDone_ = false;
    bool fullLoad_ = false;
    // The folder's column set the columns were built from.
    std::string builtColumns_;
    ItemReportCommands reports_;
};

}  // namespace gb::app::ui
