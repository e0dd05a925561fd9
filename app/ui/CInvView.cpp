#include "app/ui/CInvView.h"

#include <QtCore/QItemSelectionModel>
#include <QtCore/QTimer>
#include <QtGui/QContextMenuEvent>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>
#include <algorithm>
#include <utility>

#include "app/core/AppSettings.h"
#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandIds.h"
#include "app/core/ListRows.h"
#include "app/core/StatusTexts.h"
#include "app/core/UiStrings.h"
#include "app/dialogs/export/ExportItems.h"
#include "app/ui/ItemContextMenu.h"
#include "app/ui/ItemListModel.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Settings.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CAucItem;
using gb::itemdb::CFolderNode;
using gb::itemdb::CItemFilter;
using gb::itemdb::CItemList;
using gb::itemdb::CItemTotals;
using gb::itemdb::CTDocText;
using gb::itemdb::DocumentEvent;
namespace folder = gb::itemdb::folder;

namespace gb::app::ui {

namespace {

// The rows a column's width is taken from.
constexpr int kColumnWidthSampleRows = 200;

}  // namespace

CInvView::CInvView(IFrame& frame, QWidget* parent)
    : QTreeView(parent),
      CView(frame.Document()),
      frame_(frame),
      controller_(frame.Document().GetItemList(), frame.App().GetFeeSchedule(),
                  frame.Document().GetFolders()),
      model_(new ItemListModel(frame.Document().GetItemList(), frame.App().GetFeeSchedule(),
                               frame.Document().GetFolders(), this)),
      reports_(frame, this,
               {[this] { return HeldRows(true); }, [this] { return HeldRows(false); },
                [this] { return SelectedCount(); },
                [this] { return static_cast<std::size_t>(model_->rowCount()); }}),
      itemCommands_(frame, *this),
      search_(frame, *this) {
    setModel(model_);
    setRootIsDecorated(false);
    setUniformRowHeights(true);
    setAllColumnsShowFocus(true);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setIconSize(QSize(16, 16));
    header()->setSectionsClickable(true);
    header()->setSectionsMovable(false);
    header()->setStretchLastSection(false);
    // Columns take the width of their header and of a sample of rows: a
    // folder of 100,000 items would otherwise spend a third of its loading
    // on widths.
    header()->setResizeContentsPrecision(kColumnWidthSampleRows);
    connect(header(), &QHeaderView::sectionClicked, this, &CInvView::OnColumnClick);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        selectedCount_.reset();
        ShowSelectionCount();
    });
    // Rows that come or go change the count of those selected.
    const auto recount = [this] { selectedCount_.reset(); };
    connect(model_, &QAbstractItemModel::modelReset, this, recount);
    connect(model_, &QAbstractItemModel::layoutChanged, this, recount);
    connect(model_, &QAbstractItemModel::rowsInserted, this, recount);
    // A double click, or Enter, on a row edits it.
    connect(this, &QAbstractItemView::activated, this,
            [this] { frame_.ExecuteCommand(cmd::EditItems); });
    connect(model_, &ItemListModel::RowsSettled, this, [this] {
        UpdateStatus();
        ShowSelectionCount();
    });
    mergedRowsReload_.setSingleShot(true);
    connect(&mergedRowsReload_, &QTimer::timeout, this, [this] {
        if (IsAttached() && controller_.ShownFolder()) {
            ReloadKeepingView();
        }
    });

    commands_.On(cmd::LoadFolder, [this](int) { OnLoadFolder(); });
    commands_.On(cmd::EditSelectAll, [this](int) { OnSelectAll(); });
    commands_.On(cmd::DoubleSpace, [this](int) { OnDoubleSpace(); });
    commands_.OnUpdate(cmd::DoubleSpace, [this](int, CommandUpdate& update) {
        update.SetCheck(SettingEnabled(value::Spacing));
    });
    commands_.On(cmd::MatureAudiences, [this](int) { OnMatureAudiences(); });
    commands_.OnUpdate(cmd::MatureAudiences, [this](int, CommandUpdate& update) {
        update.SetCheck(SettingEnabled(value::Adult));
    });
    commands_.On(cmd::UpdateDatabase, [this](int) { OnUpdateDatabase(); });

    // Printing and export are enabled while the list shows rows.
    const auto needsRows = [this](int, CommandUpdate& update) {
        update.Enable(model_->rowCount() > 0);
    };
    commands_.On(cmd::FilePrint, [this](int) {
        printing_.OnFilePrint(PrintedList(), frame_.Services().modals, this);
    });
    commands_.OnUpdate(cmd::FilePrint, needsRows);
    commands_.On(cmd::FilePrintDirect, [this](int) {
        printing_.OnFilePrintDirect(PrintedList(), frame_.Services().modals, this);
    });
    commands_.OnUpdate(cmd::FilePrintDirect, needsRows);
    commands_.On(cmd::FilePrintPreview, [this](int) {
        printing_.OnFilePrintPreview(PrintedList(), frame_.Services().modals, this);
    });
    commands_.OnUpdate(cmd::FilePrintPreview, needsRows);
    commands_.On(cmd::FilePrintSetup, [this](int) { OnFilePrintSetup(); });
    commands_.On(cmd::ExportItems, [this](int) { OnExportItems(); });
    commands_.OnUpdate(cmd::ExportItems, needsRows);
    reports_.Bind(commands_);
    itemCommands_.Bind(commands_);
    commands_.On(cmd::ItemSearch, [this](int) { search_.OnItemSearch(); });
}

HeldItems CInvView::HeldRows(bool selectedOnly) const {
    const CItemList& items = GetDocument().GetItemList();
    if (selectedOnly) {
        return HeldItems(items, SelectedIds());
    }
    std::vector<CItemList::ItemId> ids;
    for (const CAucItem* item : model_->Items()) {
        ids.push_back(items.IdOf(*item));
    }
    return HeldItems(items, std::move(ids));
}

std::vector<CItemList::ItemId> CInvView::SelectedIds() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<CItemList::ItemId> ids;
    ids.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& row : rows) {
        ids.push_back(model_->IdAt(row.row()));
    }
    return ids;
}

void CInvView::SelectItems(const std::vector<CItemList::ItemId>& items) {
    QItemSelection selection;
    int first = -1;
    for (const CItemList::ItemId& item : items) {
        const int row = model_->RowOf(item);
        if (row >= 0) {
            selection.select(model_->index(row, 0), model_->index(row, model_->columnCount() - 1));
            first = first < 0 ? row : first;
        }
    }
    if (first >= 0) {
        selectionModel()->setCurrentIndex(model_->index(first, 0), QItemSelectionModel::NoUpdate);
    }
    selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

PrintContent CInvView::PrintedList() const {
    const CAucDoc& document = GetDocument();
    const CFolderNode* folder = document.GetSelectedFolder();
    const ListRows rows(model_->Items(), frame_.App().GetFeeSchedule(), &document.GetFolders());
    return {folder != nullptr ? folder->description.Get() : std::string(), model_->Columns(), rows,
            document.GetItemList().GetTotals()};
}

void CInvView::OnFilePrintSetup() {
    printing_.OnFilePrintSetup(frame_.Services().modals, this);
}

void CInvView::OnExportItems() {
    const HeldItems rows = HeldRows(false);
    const CFolderNode* folder = GetDocument().GetSelectedFolder();
    const ExportRequest request{rows, folder != nullptr ? folder->data.Get() : std::string(),
                                controller_.IsPartial(), frame_.App().GetFeeSchedule(),
                                &GetDocument().GetFolders()};
    ExportItems(request, frame_.App().GetUserSettings(), frame_.Services().modals, this);
}

bool CInvView::SettingEnabled(std::string_view name) const {
    return frame_.App().GetUserSettings().GetNumber(SectionKey(section::Settings), name, 0) != 0;
}

void CInvView::StoreSetting(std::string_view name, bool enabled) {
    frame_.App().GetUserSettings().SetNumber(SectionKey(section::Settings), name, enabled ? 1 : 0);
}

void CInvView::OnInitialUpdate() {
    if (firstUpdateDone_) {
        return;
    }
    firstUpdateDone_ = true;
    frame_.EnableToolbar(folder::Auctions);
    const bool large = SettingEnabled(value::Spacing);
    model_->SetLargeIcons(large);
    setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    GetDocument().SetAdultFlag(SettingEnabled(value::Adult));
    OnUpdate(DocumentEvent::kHintNew);

    const CLotkeeperApp& app = frame_.App();
    if (const CTDocText* current =
            app.GetTemplateLibrary().GetTemplate(app.GetCurrentTemplateIndex())) {
        frame_.SetTemplateName(current->GetName());
    }
}

void CInvView::StartAfresh() {
    // Nothing of the profile before is shown or waits to be: the new one's
    // folder loads as if it were opened for the first time.
    mergedRowsReload_.stop();
    scheduled_ = 0;
    fullLoad_ = false;
    builtColumns_.clear();
    controller_.ForgetFolder();
    model_->Clear();
    UpdateStatus();
}

void CInvView::OnUpdate(std::int32_t hint) {
    if (hint == DocumentEvent::kHintNew) {
        controller_.ForgetFolder();
    }
    const CFolderNode* folder = GetDocument().GetSelectedFolder();
    if (folder == nullptr || !controller_.ShowFolder(folder->id)) {
        return;
    }
    BuildColumns(folder->data.Get());
    // The folder loads once the present change has been handled everywhere.
    QTimer::singleShot(0, this, [this] {
        if (IsAttached()) {
            commands_.ExecuteCommand(cmd::LoadFolder);
        }
    });
}

void CInvView::OnDocumentEvent(const DocumentEvent& event) {
    using Kind = DocumentEvent::Kind;
    switch (event.kind) {
        case Kind::ItemAdded:
            Schedule(ShowAddedItem(*event.item) ? kTotals | kWidths : kTotals);
            return;
        case Kind::ItemChanged:
        case Kind::ItemMoved:
            model_->ItemChanged(*event.item);
            Schedule(kTotals);
            return;
        case Kind::ItemRemoved:
            model_->ItemRemoved(*event.item);
            Schedule(kTotals);
            return;
        case Kind::RowMerged:
            // The merged item's row shows it at once; new rows and the order
            // follow once the run pauses, or has gone on for a while.
            model_->ItemChanged(*event.item);
            mergedRowsReload_.start(controller_.RowMerged(ItemListController::Clock::now()));
            Schedule(kTotals);
            return;
        case Kind::FolderChanged:
            OnFolderChanged(event.folderId, event.part);
            return;
        default:
            CView::OnDocumentEvent(event);
            return;
    }
}

bool CInvView::ShowAddedItem(const CAucItem& item) {
    const CItemList& items = GetDocument().GetItemList();
    if (!controller_.ShownFolder() || !items.MatchFolder(item, item.GetState()) ||
        model_->RowOf(&item) >= 0) {
        return false;
    }
    // Before the first selected row (the one a duplicate was made from).
    int at = model_->rowCount();
    for (const QModelIndex& selected : selectionModel()->selectedRows()) {
        at = std::min(at, selected.row());
    }
    model_->InsertRow(at, items.IdOf(item));
    return true;
}

void CInvView::OnFolderChanged(std::int32_t folderId, gb::itemdb::FolderPart part) {
    const std::optional<std::int32_t> shown = controller_.ShownFolder();
    if (!shown || *shown != folderId || folderId != GetDocument().GetSelectedFolderId()) {
        return;
    }
    switch (part) {
        case gb::itemdb::FolderPart::Columns:
            Schedule(kColumns);
            return;
        case gb::itemdb::FolderPart::Filter:
            Schedule(kRows);
            return;
        default:
            Schedule(kTotals);
            return;
    }
}

void CInvView::Schedule(unsigned refresh) {
    // Looked at once the command that changed the document is done, so that
    // a burst of changes (an update's rows, a sheet's fields) is shown once.
    const bool idle = scheduled_ == 0;
    scheduled_ |= refresh;
    if (idle) {
        QTimer::singleShot(0, this, &CInvView::RunScheduled);
    }
}

void CInvView::RunScheduled() {
    const unsigned scheduled = std::exchange(scheduled_, 0);
    const std::optional<std::int32_t> shown = controller_.ShownFolder();
    if (!IsAttached() || !shown) {
        return;
    }
    bool reload = (scheduled & kRows) != 0;
    if ((scheduled & kColumns) != 0) {
        const CFolderNode* node = GetDocument().GetFolders().GetNode(*shown);
        if (node != nullptr && node->data.Get() != builtColumns_) {
            BuildColumns(node->data.Get());
            reload = true;
        }
    }
    if (reload) {
        ReloadKeepingView();
        return;
    }
    if ((scheduled & kWidths) != 0) {
        SizeColumns();
    }
    ShowTotals();
}

void CInvView::BuildColumns(const std::string& columnSet) {
    builtColumns_ = columnSet;
    model_->SetColumns(BuildListColumns(columnSet, frame_.App().GetFeeSchedule()));
    SizeColumns();
}

void CInvView::SizeColumns() {
    for (int column = 0; column < model_->columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

void CInvView::ShowRows(const ItemListController::Items& items) {
    // From the left edge, so that the row height is taken with the icons.
    horizontalScrollBar()->setValue(0);
    setUpdatesEnabled(false);
    model_->SetRows(items);
    if (model_->rowCount() > 0) {
        SizeColumns();
    }
    setUpdatesEnabled(true);
}

void CInvView::OnLoadFolder() {
    // A load shows whatever rows were merged meanwhile.
    mergedRowsReload_.stop();
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    frame_.SetMessageText("Retrieving inventory items from database...");
    model_->Clear();
    const CAucDoc& document = GetDocument();
    const CFolderNode* folder = document.GetSelectedFolder();
    ShowRows(controller_.Load(document.GetSelectedFilter(), folder ? folder->kind : 0, fullLoad_));
    UpdateStatus();
    fullLoad_ = false;
}

void CInvView::ReloadKeepingView() {
    const std::vector<CItemList::ItemId> selected = SelectedIds();
    const QModelIndex current = currentIndex();
    const CItemList::ItemId currentItem =
        current.isValid() ? model_->IdAt(current.row()) : CItemList::ItemId();
    const int scrolled = verticalScrollBar()->value();
    const WaitCursor wait;
    const CAucDoc& document = GetDocument();
    const CFolderNode* folder = document.GetSelectedFolder();
    ShowRows(controller_.Reload(document.GetSelectedFilter(), folder ? folder->kind : 0,
                                model_->Items()));
    SelectItems(selected);
    if (const int row = model_->RowOf(currentItem); row >= 0) {
        selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    }
    verticalScrollBar()->setValue(scrolled);
    UpdateStatus();
}

void CInvView::OnColumnClick(int column) {
    if (column < 0 || column >= model_->columnCount()) {
        return;
    }
    if (controller_.IsPartial()) {
        fullLoad_ = true;
        const std::vector<CItemList::ItemId> selected = SelectedIds();
        OnLoadFolder();
        SelectItems(selected);
    }
    const WaitCursor wait;
    const std::vector<const CAucItem*> rows = model_->Items();
    if (rows.size() != static_cast<std::size_t>(model_->rowCount())) {
        return;
    }
    model_->Reorder(controller_.SortByColumn(
        rows, model_->Columns()[static_cast<std::size_t>(column)].SortField()));
}

void CInvView::UpdateStatus() {
    const std::string partial = ShowTotals();
    frame_.SetMessageText(controller_.IsPartial() ? partial : UiText(string_id::IdleText));
}

std::string CInvView::ShowTotals() {
    const CAucDoc& document = GetDocument();
    const gb::itemdb::CFolderTree& tree = document.GetFolders();
    const CFolderNode* group = document.GetSelectedFolder();
    const std::string description = group != nullptr ? group->description.Get() : std::string();
    const std::int32_t type = group != nullptr ? group->type : 0;
    // The caption names the folder's group: the folder above it, or two above
    // inside a seller's In Progress and Auction Ended.
    for (int levels = type == folder::InProgress || type == folder::AuctionEnded ? 2 : 1;
         levels > 0 && group != nullptr && tree.GetNode(group->parentId) != nullptr; --levels) {
        group = tree.GetNode(group->parentId);
    }
    const std::string name = group != nullptr ? group->name.Get() : std::string();

    const CItemTotals& totals = document.GetItemList().GetTotals();
    std::string minimum;
    std::string maximum;
    totals.GetMinBid(minimum);
    totals.GetMaxBid(maximum);
    const std::string partial = controller_.IsPartial()
                                    ? PartialLoadText(static_cast<std::size_t>(model_->rowCount()),
                                                      static_cast<std::size_t>(totals.GetCount()))
                                    : std::string();
    frame_.SetStatusText(FolderCaption(name, partial), description);
    frame_.SetSummary(static_cast<std::size_t>(totals.GetCount()), minimum, maximum);
    return partial;
}

std::size_t CInvView::SelectedCount() const {
    // Counting the selected rows walks the whole selection: the menus and
    // toolbar ask many times over for one selection.
    if (!selectedCount_) {
        selectedCount_ = static_cast<std::size_t>(selectionModel()->selectedRows().size());
    }
    return *selectedCount_;
}

void CInvView::ShowSelectionCount() {
    frame_.SetMessageText(SelectionText(SelectedCount()));
    frame_.RequestCommandRefresh();
}

void CInvView::OnSelectAll() {
    if (controller_.IsPartial()) {
        frame_.Services().messages.Show(UiText(string_id::PartialWarning));
    }
    selectAll();
}

void CInvView::OnDoubleSpace() {
    const bool large = !model_->HasLargeIcons();
    model_->SetLargeIcons(large);
    setIconSize(large ? QSize(32, 32) : QSize(16, 16));
    StoreSetting(value::Spacing, large);
    resizeColumnToContents(0);
}

void CInvView::OnMatureAudiences() {
    CAucDoc& document = GetDocument();
    document.SetAdultFlag(!document.GetAdultFlag());
    StoreSetting(value::Adult, document.GetAdultFlag());
}

void CInvView::OnUpdateDatabase() {
    frame_.StartUpdate();
}

QMenu* CInvView::ContextMenu() {
    return MakeItemContextMenu(frame_, this, SelectedCount());
}

void CInvView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = ContextMenu();
    menu->exec(event->globalPos());
    menu->deleteLater();
}

}  // namespace gb::app::ui
