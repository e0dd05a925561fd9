#include "app/ui/CInvView.h"

#include <QtCore/QItemSelectionModel>
#include <QtCore/QTimer>
#include <QtGui/QContextMenuEvent>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QMenu>
#include <algorithm>

#include "app/core/AppSettings.h"
#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandCatalog.h"
#include "app/core/CommandIds.h"
#include "app/core/FolderLoad.h"
#include "app/core/ItemMenuRules.h"
#include "app/core/MachineProfile.h"
#include "app/core/StatusTexts.h"
#include "app/core/TemplateSlots.h"
#include "app/core/UiStrings.h"
#include "app/core/hints/HintReminder.h"
#include "app/core/items/ItemSearch.h"
#include "app/core/items/SitePages.h"
#include "app/core/status/StatusChange.h"
#include "app/dialogs/bulk/CAutoSheet.h"
#include "app/dialogs/export/ExportItems.h"
#include "app/dialogs/hints/CExplainDlg.h"
#include "app/dialogs/items/CFindDlg.h"
#include "app/dialogs/items/ItemCommands.h"
#include "app/dialogs/sheet/EditItem.h"
#include "app/dialogs/status/CStatusDlg.h"
#include "app/dialogs/summary/CSummaryDlg.h"
#include "app/ui/ItemListModel.h"
#include "app/ui/MenuText.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Settings.h"
#include "widgets/QtText.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CAucItem;
using gb::itemdb::CFeeSchedule;
using gb::itemdb::CFolderTree;
using gb::itemdb::CItemFilter;
using gb::itemdb::CItemList;
using gb::itemdb::CItemTotals;
using gb::itemdb::CTDocText;
using gb::itemdb::DocumentView;
using gb::itemdb::FolderNameLookup;
namespace folder = gb::itemdb::folder;

namespace gb::app::ui {

using gb::widgets::ToQt;

namespace {

// The item context menu's entries; 0 is the Copy/Paste sub-menu.
struct MenuEntry {
    int command;
    const char* text;
};
constexpr MenuEntry kContextMenu[] = {
    {cmd::EditItems, "&Edit..."},
    {cmd::CreateDuplicate, "Create Duplicate..."},
    {cmd::StoreItem, "eBay Store Item"},
    {cmd::DeleteItems, "&Delete"},
    {cmd::ArchiveItems, "&Archive"},
    {cmd::BulkUpdate, "&Bulk Update..."},
    {cmd::ViewListing, "&View Listing"},
    {cmd::MailTo, "&Mail To"},
    {0, "&Copy/Paste"},
};

}  // namespace

CInvView::CInvView(IFrame& frame, QWidget* parent)
    : QTreeView(parent),
      CView(frame.Document()),
      frame_(frame),
      model_(new ItemListModel(frame.Document().GetItemList(), frame.App().GetFeeSchedule(),
                               frame.Document().GetFolderTree(), this)),
      reports_(frame, this,
               {[this] { return RowItems(true); }, [this] { return RowItems(false); },
                [this] { return SelectedCount(); },
                [this] { return static_cast<std::size_t>(model_->rowCount()); }},
               [&frame](const std::string& address) { frame.ShowWebPage(address); }) {
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
    connect(header(), &QHeaderView::sectionClicked, this, &CInvView::OnColumnClick);
    connect(selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this] { ShowSelectionCount(); });
    connect(this, &QTreeView::doubleClicked, this,
            [this] { frame_.ExecuteCommand(cmd::EditItems); });

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

    // Commands on the selected items are enabled while some row is selected;
    // printing and export while the list shows rows.
    const auto needsSelection = [this](int, CommandUpdate& update) {
        update.Enable(SelectedCount() > 0);
    };
    const auto needsRows = [this](int, CommandUpdate& update) {
        update.Enable(model_->rowCount() > 0);
    };
    commands_.On(cmd::EditItems, [this](int) { OnEditItems(); });
    commands_.OnUpdate(cmd::EditItems, needsSelection);
    commands_.On(cmd::BulkUpdate, [this](int) { OnBulkUpdate(); });
    commands_.OnUpdate(cmd::BulkUpdate, needsSelection);
    commands_.On(cmd::FilePrint, [this](int) { OnFilePrint(); });
    commands_.OnUpdate(cmd::FilePrint, needsRows);
    commands_.On(cmd::FilePrintDirect, [this](int) { OnFilePrintDirect(); });
    commands_.OnUpdate(cmd::FilePrintDirect, needsRows);
    commands_.On(cmd::FilePrintPreview, [this](int) { OnFilePrintPreview(); });
    commands_.OnUpdate(cmd::FilePrintPreview, needsRows);
    commands_.On(cmd::FilePrintSetup, [this](int) { OnFilePrintSetup(); });
    commands_.On(cmd::ExportItems, [this](int) { OnExportItems(); });
    commands_.OnUpdate(cmd::ExportItems, needsRows);
    reports_.Bind(commands_);
    commands_.On(cmd::SetStatus, [this](int) { OnSetStatus(); });
    commands_.OnUpdate(cmd::SetStatus, [this](int, CommandUpdate& update) {
        const CFolderTree& tree = GetDocument().GetFolderTree();
        update.Enable(CanSetStatus(SelectedCount(), tree.GetCurType(), tree.GetCurKind()));
    });
    commands_.On(cmd::InstantSummary, [this](int) {
        ShowInstantSummary(frame_.Services().modals, this, GetDocument().GetItemList(),
                           SelectedPositions());
    });
    commands_.On(cmd::DeleteItems, [this](int) { OnMoveToList(StateMove::Delete); });
    commands_.OnUpdate(cmd::DeleteItems, needsSelection);
    commands_.On(cmd::ArchiveItems, [this](int) { OnMoveToList(StateMove::Archive); });
    commands_.OnUpdate(cmd::ArchiveItems, needsSelection);
    commands_.On(cmd::MoveItems, [this](int) { OnMoveItems(); });
    commands_.OnUpdate(cmd::MoveItems, needsSelection);
    // The flag flips on every selected item, on none when none is selected.
    commands_.On(cmd::StoreItem, [this](int) { OnToggleStoreItem(); });
    commands_.On(cmd::CreateDuplicate, [this](int) { OnDuplicate(); });
    commands_.OnUpdate(cmd::CreateDuplicate,
                       [this](int, CommandUpdate& update) { update.Enable(SelectedCount() == 1); });
    // The listing, bid history, feedback and (252) the listing again.
    for (int page = cmd::ViewListing; page <= cmd::ViewListing + 3; ++page) {
        commands_.On(page, [this](int id) { OnNavigate(id); });
        commands_.OnUpdate(page, needsSelection);
    }
    commands_.On(cmd::ItemSearch, [this](int) { OnItemSearch(); });
}

std::vector<const CAucItem*> CInvView::RowItems(bool selectedOnly) const {
    std::vector<CItemList::DisplayPos> positions;
    if (selectedOnly) {
        positions = SelectedPositions();
    } else {
        for (int row = 0; row < model_->rowCount(); ++row) {
            positions.push_back(model_->PositionAt(row));
        }
    }
    std::vector<const CAucItem*> items;
    for (const CItemList::DisplayPos position : positions) {
        if (const CAucItem* item = GetDocument().GetItemList().GetItemAt(position)) {
            items.push_back(item);
        }
    }
    return items;
}

std::vector<CItemList::DisplayPos> CInvView::SelectedPositions() const {
    QModelIndexList rows = selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(),
              [](const QModelIndex& a, const QModelIndex& b) { return a.row() < b.row(); });
    std::vector<CItemList::DisplayPos> positions;
    positions.reserve(static_cast<std::size_t>(rows.size()));
    for (const QModelIndex& row : rows) {
        positions.push_back(model_->PositionAt(row.row()));
    }
    return positions;
}

ListRows CInvView::DisplayedRows() const {
    std::vector<const CAucItem*> items;
    items.reserve(static_cast<std::size_t>(model_->rowCount()));
    for (int row = 0; row < model_->rowCount(); ++row) {
        items.push_back(model_->ItemAt(row));
    }
    return ListRows(std::move(items), frame_.App().GetFeeSchedule(),
                    &GetDocument().GetFolderTree());
}

void CInvView::ReloadAfterEdit() {
    GetDocument().SetModifiedFlag(true);
    OnLoadFolder();
}

ValueListSource CInvView::StoredValueLists() {
    return [](int fieldId) {
        return MachineProfile(gb::Settings::LocalMachine()).GetComboValues(fieldId);
    };
}

void CInvView::OnEditItems() {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    if (selected.size() > 1) {
        OnBulkUpdate();
        return;
    }
    if (selected.empty()) {
        ShowAppMessage(frame_.Services().modals, this, string_id::NoItemToEdit);
        return;
    }
    ItemSheetServices services;
    services.dropDownValues = StoredValueLists();
    CAucDoc& document = GetDocument();
    const EditOutcome outcome =
        EditDisplayedItem(frame_.Services().modals, this, document.GetItemList(), selected.front(),
                          frame_.App().GetFeeSchedule(), document.GetFolderTree(), services);
    if (outcome == EditOutcome::Displayed || outcome == EditOutcome::Left) {
        ReloadAfterEdit();
    }
}

void CInvView::OnSetStatus() {
    CAucDoc& document = GetDocument();
    if (SetStatusOfSelection(frame_.Services().modals, this, document.GetItemList(),
                             SelectedPositions(), document.GetFolderTree())) {
        ReloadAfterEdit();
    }
}

void CInvView::OnBulkUpdate() {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    HintReminder hints(frame_.App().GetUserSettings(), [this](int stringId) {
        return CExplainDlg::Ask(frame_.Services().modals, this, stringId);
    });
    BulkUpdateOptions options{
        tree, StoredValueLists(), [&hints](int stringId) { hints.ShowOnce(stringId); },
        tree.GetCurType() == folder::InProgress || tree.GetCurKind() == folder::NoCategory};
    if (BulkUpdate(frame_.Services().modals, this, document.GetItemList(), selected,
                   frame_.App().GetFeeSchedule(), options)) {
        ReloadAfterEdit();
    }
}

void CInvView::SettleRows() {
    GetDocument().SetModifiedFlag(true);
    model_->SettleRows();
    UpdateStatus();
}

void CInvView::OnMoveToList(StateMove move) {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    if (!ConfirmStateMove(frame_.Services().modals, this, move, selected.size())) {
        return;
    }
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    MoveToList(GetDocument().GetItemList(), selected, TargetListOf(move));
    SettleRows();
}

void CInvView::OnMoveItems() {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    if (selected.empty()) {
        ShowAppMessage(frame_.Services().modals, this, string_id::NoItemSelected);
        return;
    }
    CAucDoc& document = GetDocument();
    const std::optional<std::int32_t> target =
        ChooseMoveFolder(frame_.Services().modals, this, document.GetFolderTree());
    if (!target) {
        return;
    }
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    MoveToFolder(document.GetItemList(), selected, *target);
    SettleRows();
}

void CInvView::OnToggleStoreItem() {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    if (selected.empty()) {
        return;
    }
    const WaitCursor wait;
    ToggleStoreItems(GetDocument().GetItemList(), selected);
    SettleRows();
}

void CInvView::OnDuplicate() {
    const QModelIndexList rows = selectionModel()->selectedRows();
    if (rows.size() != 1) {
        ShowAppMessage(frame_.Services().modals, this, string_id::DuplicateNeedsOne);
        return;
    }
    const int row = rows.front().row();
    const DuplicateOutcome outcome = CreateDuplicate(
        frame_.Services().modals, this, GetDocument().GetItemList(), model_->PositionAt(row));
    if (!outcome.created) {
        return;
    }
    GetDocument().SetModifiedFlag(true);
    if (outcome.position.IsNone()) {
        HintReminder(frame_.App().GetUserSettings(), [this](int stringId) {
            return CExplainDlg::Ask(frame_.Services().modals, this, stringId);
        }).ShowOnce(string_id::HintDuplicateElsewhere);
        return;
    }
    model_->InsertRow(row, outcome.position);
    selectionModel()->setCurrentIndex(
        model_->index(row, 0), QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    UpdateStatus();
}

void CInvView::OnNavigate(int command) {
    const std::vector<CItemList::DisplayPos> selected = SelectedPositions();
    CAucDoc& document = GetDocument();
    const gb::itemdb::CAucItem* item =
        selected.empty() ? nullptr : document.GetItemList().GetItemAt(selected.front());
    const auto addresses = [&document](std::string_view site, std::string_view id, int kind) {
        return document.GetSiteURL(site, id, kind);
    };
    // The page opens in the web view on the right; this list goes once the
    // command is handled.
    const auto open = [this](const std::string& address) {
        frame_.ShowWebPage(address);
        return true;
    };
    if (const std::optional<int> message = OpenSitePage(item, command, addresses, open)) {
        ShowAppMessage(frame_.Services().modals, this, *message);
    }
}

void CInvView::OnItemSearch() {
    if (findDlg_ == nullptr) {
        findDlg_ = new CFindDlg([this](const SearchRequest& request) { OnFindItem(request); },
                                frame_.Services().modals, this);
        findDlg_->show();
    }
    findDlg_->raise();
    findDlg_->activateWindow();
}

CFindDlg* CInvView::FindDialog() const {
    return findDlg_;
}

void CInvView::OnFindItem(const SearchRequest& request) {
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    const CItemFilter filter =
        SearchFilter(request.scope, tree.GetCurFilter(), request.fieldId, request.text);
    if (request.scope == SearchScope::AllFolders) {
        if (!FileSearchResults(document, filter,
                               SearchDescription(request.fieldId, request.text))) {
            ShowAppMessage(frame_.Services().modals, this, std::string(kSearchResultsMissing));
            return;
        }
        findDlg_->close();
        document.UpdateAllViews(nullptr, DocumentView::kHintNew);
        return;
    }
    if (partialLoad_) {
        ShowAppMessage(frame_.Services().modals, this, string_id::PartialWarning);
    }
    const FolderMatch match = FindInFolder(currentIndex().isValid() ? currentIndex().row() : -1,
                                           model_->rowCount(), [&](int row) {
                                               const CAucItem* item = model_->ItemAt(row);
                                               return item != nullptr && filter.Match(*item);
                                           });
    if (match.message) {
        ShowAppMessage(frame_.Services().modals, this, *match.message);
    }
    if (match.row >= 0) {
        const QModelIndex found = model_->index(match.row, 0);
        selectionModel()->setCurrentIndex(
            found, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        scrollTo(found, QAbstractItemView::EnsureVisible);
    }
}

void CInvView::OnFilePrint() {
    const ListRows rows = DisplayedRows();
    printing_.OnFilePrint(PrintContentOf(rows), frame_.Services().modals, this);
}

void CInvView::OnFilePrintDirect() {
    const ListRows rows = DisplayedRows();
    printing_.OnFilePrintDirect(PrintContentOf(rows), frame_.Services().modals, this);
}

void CInvView::OnFilePrintPreview() {
    const ListRows rows = DisplayedRows();
    printing_.OnFilePrintPreview(PrintContentOf(rows), frame_.Services().modals, this);
}

PrintContent CInvView::PrintContentOf(const ListRows& rows) {
    CAucDoc& document = GetDocument();
    return {document.GetFolderTree().GetCurDescription(), model_->Columns(), rows,
            document.GetItemList().GetTotals()};
}

void CInvView::OnFilePrintSetup() {
    printing_.OnFilePrintSetup(frame_.Services().modals, this);
}

void CInvView::OnExportItems() {
    const ListRows rows = DisplayedRows();
    CFolderTree& tree = GetDocument().GetFolderTree();
    const ExportRequest request{rows, tree.GetCurColumnsOrURL(), partialLoad_,
                                frame_.App().GetFeeSchedule()};
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
    OnUpdate(nullptr, DocumentView::kHintNew);

    const CLotkeeperApp& app = frame_.App();
    if (const CTDocText* current =
            app.GetTemplateLibrary().GetTemplate(app.GetCurrentTemplateIndex())) {
        frame_.SetTemplateName(current->GetName());
    }
}

void CInvView::OnUpdate(DocumentView*, std::int32_t hint) {
    if (hint == DocumentView::kHintNew) {
        shownFolder_.reset();
    }
    CFolderTree& tree = GetDocument().GetFolderTree();
    const std::int32_t folderId = tree.GetCurId();
    if (shownFolder_ == folderId) {
        return;
    }
    shownFolder_ = folderId;
    BuildColumns(tree.GetCurColumnsOrURL());
    // The folder loads once the present change has been handled everywhere.
    QTimer::singleShot(0, this, [this] {
        if (IsAttached()) {
            commands_.ExecuteCommand(cmd::LoadFolder);
        }
    });
}

void CInvView::BuildColumns(const std::string& columnSet) {
    model_->SetColumns(BuildListColumns(columnSet, frame_.App().GetFeeSchedule()));
    for (int column = 0; column < model_->columnCount(); ++column) {
        resizeColumnToContents(column);
    }
}

void CInvView::OnLoadFolder() {
    const WaitCursor wait;
    const auto busy = frame_.Busy();
    frame_.SetMessageText("Retrieving inventory items from database...");
    model_->Clear();

    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    CItemList& items = document.GetItemList();
    items.SetFilter(CItemFilter::ForFolder(tree.GetCurFilter()));
    const auto count = static_cast<std::size_t>(items.GetTotals().GetCount());
    const FolderLoadPlan plan = FolderLoadPlan::For(count, fullLoad_, tree.GetCurKind());
    partialLoad_ = plan.partial;
    sortField_ = plan.sortField;
    direction_ = plan.direction;

    std::vector<CItemList::DisplayPos> positions;
    std::vector<ItemSortKey> keys;
    positions.reserve(plan.rows);
    keys.reserve(plan.rows);
    CFeeSchedule& fees = frame_.App().GetFeeSchedule();
    for (bool more = items.MoveFirst(); more && positions.size() < plan.rows;
         more = items.MoveNext()) {
        positions.push_back(items.GetCurrentPos());
        keys.push_back(
            ItemSortKey::Of(*items.GetItemAt(), sortField_, fees, &document.GetFolderTree()));
    }
    std::vector<CItemList::DisplayPos> ordered;
    ordered.reserve(positions.size());
    for (std::size_t row : LoadedRowOrder(keys, direction_)) {
        ordered.push_back(positions[row]);
    }
    setUpdatesEnabled(false);
    model_->SetRows(std::move(ordered));
    if (model_->rowCount() > 0) {
        for (int column = 0; column < model_->columnCount(); ++column) {
            resizeColumnToContents(column);
        }
    }
    UpdateStatus();
    setUpdatesEnabled(true);
    fullLoad_ = false;
}

void CInvView::OnColumnClick(int column) {
    if (column < 0 || column >= model_->columnCount()) {
        return;
    }
    if (partialLoad_) {
        fullLoad_ = true;
        OnLoadFolder();
    }
    const WaitCursor wait;
    sortField_ = model_->Columns()[static_cast<std::size_t>(column)].SortField();
    std::vector<ItemSortKey> keys;
    keys.reserve(static_cast<std::size_t>(model_->rowCount()));
    CFeeSchedule& fees = frame_.App().GetFeeSchedule();
    const FolderNameLookup& folders = GetDocument().GetFolderTree();
    for (int row = 0; row < model_->rowCount(); ++row) {
        keys.push_back(ItemSortKey::Of(*model_->ItemAt(row), sortField_, fees, &folders));
    }
    direction_ = keys.empty() ? 1 : ClickDirection(&keys.front(), &keys.back());
    std::vector<std::size_t> order(keys.size());
    for (std::size_t i = 0; i < order.size(); ++i) {
        order[i] = i;
    }
    SortRows(order, keys, direction_);
    model_->Reorder(order);
}

void CInvView::UpdateStatus() {
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    const std::string description = tree.GetCurDescription();
    const std::int32_t type = tree.GetCurType();
    // The caption names the folder's group: the folder above it, or two above
    // inside a seller's In Progress and Auction Ended.
    int levels = type == folder::InProgress || type == folder::AuctionEnded ? 2 : 1;
    while (levels-- > 0 && tree.FindNode(tree.GetCurParent())) {
    }
    const std::string name = tree.GetCurName();
    document.GetFolderTree();

    const CItemTotals& totals = document.GetItemList().GetTotals();
    std::string minimum;
    std::string maximum;
    totals.GetMinBid(minimum);
    totals.GetMaxBid(maximum);
    const std::string partial = partialLoad_
                                    ? PartialLoadText(static_cast<std::size_t>(model_->rowCount()),
                                                      static_cast<std::size_t>(totals.GetCount()))
                                    : std::string();
    frame_.SetStatusText(FolderCaption(name, partial), description);
    frame_.SetSummary(static_cast<std::size_t>(totals.GetCount()), minimum, maximum);
    frame_.SetMessageText(partialLoad_ ? partial : UiText(string_id::IdleText));
}

std::size_t CInvView::SelectedCount() const {
    return static_cast<std::size_t>(selectionModel()->selectedRows().size());
}

void CInvView::ShowSelectionCount() {
    frame_.SetMessageText(SelectionText(SelectedCount()));
    frame_.RequestCommandRefresh();
}

void CInvView::OnSelectAll() {
    if (partialLoad_) {
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
    CAucDoc& document = GetDocument();
    if (!document.IsUpdating() && document.UpdateAuctions()) {
        frame_.OnUpdateStarted();
    }
}

QMenu* CInvView::ContextMenu() {
    auto* menu = new QMenu(this);
    CFolderTree& tree = GetDocument().GetFolderTree();
    const ItemMenuState rules =
        ItemMenuRules(SelectedCount(), tree.GetCurType(), tree.GetCurKind());
    auto add = [&](QMenu* to, int command, const QString& text) {
        QAction* action = to->addAction(text);
        action->setData(command);
        action->setEnabled(frame_.QueryCommand(command).enabled && !rules.grayed.contains(command));
        connect(action, &QAction::triggered, this,
                [this, command] { frame_.ExecuteCommand(command); });
        if (command == rules.defaultCommand) {
            menu->setDefaultAction(action);
        }
        return action;
    };
    for (const MenuEntry& entry : kContextMenu) {
        if (entry.command != 0) {
            add(menu, entry.command, ToQt(entry.text));
            continue;
        }
        QMenu* copy = menu->addMenu(ToQt(entry.text));
        const TemplateSlots templateSlots = TemplateSlots::From(
            frame_.App().GetTemplateLibrary(), frame_.App().GetCurrentTemplateIndex());
        for (std::size_t slot = 0; slot < templateSlots.names.size(); ++slot) {
            QAction* action = add(copy, cmd::PasteTemplate1 + static_cast<int>(slot),
                                  ToQt(templateSlots.names[slot]));
            if (templateSlots.defaultSlot == slot) {
                copy->setDefaultAction(action);
            }
        }
        add(copy, cmd::MoreTemplates, QtMenuText(FindCommandText(cmd::MoreTemplates)->menu));
    }
    return menu;
}

void CInvView::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = ContextMenu();
    menu->exec(event->globalPos());
    menu->deleteLater();
}

}  // namespace gb::app::ui
