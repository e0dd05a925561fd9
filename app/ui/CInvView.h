#pragma once
// The item list: one row per item of the folder on display, one column per
// entry of the folder's column set, the item's state icon first. It sorts by
// the column clicked, loads only the first 50 items of a folder of more than
// 400 until a column is clicked, and reports the folder's totals to the
// frame. What it shows is decided by its ItemListController; its rows hold
// item identities, so that the selection and every command stay with the
// items the user chose, whatever is sorted, edited or merged meanwhile.

#include <QtCore/QTimer>
#include <QtWidgets/QTreeView>

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "app/core/HeldItems.h"
#include "app/core/IFrame.h"
#include "app/core/ItemListController.h"
#include "app/dialogs/print/ItemListPrinting.h"
#include "app/ui/CView.h"
#include "app/ui/ItemListCommands.h"
#include "app/ui/ItemListSearch.h"
#include "app/ui/report/ItemReportCommands.h"
#include "itemdb/ItemList.h"

namespace gb::app::ui {

class ItemListModel;

class CInvView final : public QTreeView, public CView {
    Q_OBJECT

public:
    CInvView(IFrame& frame, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    ViewKind Kind() const override { return ViewKind::Items; }
    void OnInitialUpdate() override;
    void OnUpdate(std::int32_t hint) override;
    // Another profile: no folder, rows, sort or selection of the one before.
    void StartAfresh() override;
    // The rows, the columns and the totals follow the document's changes.
    void OnDocumentEvent(const gb::itemdb::DocumentEvent& event) override;

    // Fills the list with the items of the folder on display.
    void OnLoadFolder();
    // Sorts by the column; a folder loaded in part is loaded whole first.
    void OnColumnClick(int column);
    // The caption, the totals and the idle or partial-load text.
    void UpdateStatus();
    void OnSelectAll();
    void OnDoubleSpace();
    void OnMatureAudiences();
    // Starts an update run of the document, unless one is running.
    void OnUpdateDatabase();

    ItemListSearch& Search() { return search_; }
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
    // Selects the items' rows; the first becomes the current row.
    void SelectItems(const std::vector<gb::itemdb::CItemList::ItemId>& items);
    // Loads the folder again as the user last saw it: as much of it, in the
    // same order, with the same items selected.
    void ReloadKeepingView();

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // What a change of the document leaves to do once the command that made
    // it is done.
    enum Refresh : unsigned { kTotals = 1, kRows = 2, kColumns = 4, kWidths = 8 };

    // A new item the folder shows gets its row before the first selected one
    // (a duplicate's, before its original); true when it got one.
    bool ShowAddedItem(const gb::itemdb::CAucItem& item);
    void OnFolderChanged(std::int32_t folderId, gb::itemdb::FolderPart part);
    void Schedule(unsigned refresh);
    void RunScheduled();
    // The caption and the folder's totals; gives the partial-load text (empty
    // for a folder loaded whole).
    std::string ShowTotals();
    // Rebuilds the columns from the folder's column set.
    void BuildColumns(const std::string& columnSet);
    void SizeColumns();
    // Shows these items as the rows, from the left edge.
    void ShowRows(const ItemListController::Items& items);
    void ShowSelectionCount();
    // The items of the selected rows, or of all rows, in list order, for a
    // command to carry across its dialogs.
    HeldItems HeldRows(bool selectedOnly) const;
    // The list as displayed, copied for printing.
    PrintContent PrintedList() const;
    bool SettingEnabled(std::string_view name) const;
    void StoreSetting(std::string_view name, bool enabled);

    IFrame& frame_;
    ItemListController controller_;
    ItemListModel* model_;
    ItemListPrinting printing_;
    // Rows merged by an update run show once the run pauses for a moment,
    // or has merged rows for a second.
    QTimer mergedRowsReload_;
    unsigned scheduled_ = 0;
    bool firstUpdateDone_ = false;
    bool fullLoad_ = false;
    mutable std::optional<std::size_t> selectedCount_;
    // The folder's column set the columns were built from.
    std::string builtColumns_;
    ItemReportCommands reports_;
    ItemListCommands itemCommands_;
    ItemListSearch search_;
};

}  // namespace gb::app::ui
