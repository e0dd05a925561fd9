#include "app/ui/CNavView.h"

#include "app/dialogs/folders/FolderCommands.h"

#include <QtCore/QSet>
#include <QtCore/QTimer>
#include <QtGui/QContextMenuEvent>
#include <QtGui/QMouseEvent>
#include <QtWidgets/QMenu>
#include <QtWidgets/QScrollBar>

#include <algorithm>
#include <array>

#include "app/core/CLotkeeperApp.h"
#include "app/core/CommandCatalog.h"
#include "app/core/CommandIds.h"
#include "app/core/FolderImages.h"
#include "app/core/FolderRules.h"
#include "app/core/UiStrings.h"
#include "app/ui/ArtLibrary.h"
#include "app/ui/CMainView.h"
#include "app/ui/MenuText.h"
#include "app/ui/WaitCursor.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FolderKind.h"
#include "widgets/QtText.h"

using gb::itemdb::CAucDoc;
using gb::itemdb::CFolderTree;
using gb::itemdb::DocumentEvent;
namespace folder = gb::itemdb::folder;

namespace gb::app::ui {

using gb::widgets::FromQt;
using gb::widgets::ToQt;

namespace {

constexpr std::array kFolderCommands{cmd::FolderNew, cmd::FolderAdd, cmd::FolderEdit,
                                     cmd::FolderDelete, cmd::FolderRename};

std::int32_t IdOf(const QTreeWidgetItem* item) {
    return item == nullptr ? 0 : item->data(0, CNavView::kIdRole).toInt();
}

}  // namespace

CNavView::CNavView(IFrame& frame, QWidget* parent)
    : QTreeWidget(parent), CView(frame.Document()), frame_(frame) {
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::SelectedClicked | QAbstractItemView::EditKeyPressed);
    setExpandsOnDoubleClick(true);
    setMinimumWidth(60);
    // A double click, or Enter, opens the folder.
    connect(this, &QAbstractItemView::activated, this,
            [this](const QModelIndex& index) { OpenFolderItem(itemFromIndex(index)); });
    connect(this, &QTreeWidget::itemExpanded, this, &CNavView::ShowImage);
    connect(this, &QTreeWidget::itemCollapsed, this, &CNavView::ShowImage);
    connect(this, &QTreeWidget::itemChanged, this, &CNavView::OnLabelChanged);

    commands_.On(cmd::FolderNew, [this](int) { OnNew(); });
    commands_.On(cmd::FolderAdd, [this](int) { OnAddFolder(); });
    commands_.On(cmd::FolderEdit, [this](int) { OnEdit(); });
    commands_.On(cmd::FolderDelete, [this](int) { OnDelete(); });
    commands_.On(cmd::FolderRename, [this](int) { OnRename(); });
}

void CNavView::OnInitialUpdate() {
    if (initialUpdateDone_) {
        return;
    }
    initialUpdateDone_ = true;
    OnUpdate(DocumentEvent::kHintNew);
}

void CNavView::OnUpdate(std::int32_t) {
    RebuildTree();
    if (initialUpdateDone_) {
        // The folder the document has selected opens again, so that an edit or
        // an update leaves the user where he was.
        SelectNode(GetDocument().GetSelectedFolderId());
    }
}

void CNavView::StartAfresh() {
    // No branch of the profile before stays expanded, whatever ids the new
    // one's folders have; the rebuild that follows marks its folder.
    rebuildPending_ = false;
    rebuilding_ = true;
    clear();
    rebuilding_ = false;
    openFolderId_ = 0;
    currentNodeId_ = folder::Root;
}

void CNavView::OnDocumentEvent(const DocumentEvent& event) {
    using Kind = DocumentEvent::Kind;
    if (event.kind != Kind::FolderChanged && event.kind != Kind::FolderTreeChanged) {
        CView::OnDocumentEvent(event);
        return;
    }
    // Folders change in bursts (a profile's default folders come forty at a
    // time): the tree is mirrored once the burst is over.
    if (rebuildPending_) {
        return;
    }
    rebuildPending_ = true;
    QTimer::singleShot(0, this, [this] {
        if (rebuildPending_ && IsAttached()) {
            RebuildTree();
        }
    });
}

QTreeWidgetItem* CNavView::InsertNode(std::int32_t id, std::int32_t type, bool heading, bool fixed,
                                      const std::string& name, QTreeWidgetItem* parent, int index) {
    auto* item = new QTreeWidgetItem;
    item->setData(0, kIdRole, id);
    item->setData(0, kImageRole, FolderImage(type, heading));
    item->setText(0, ToQt(name));
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (CanEditLabel(true, fixed)) {
        flags |= Qt::ItemIsEditable;
    }
    item->setFlags(flags);
    if (parent == nullptr) {
        insertTopLevelItem(index < 0 ? topLevelItemCount() : index, item);
    } else {
        parent->insertChild(index < 0 ? parent->childCount() : index, item);
    }
    ShowImage(item);
    return item;
}

void CNavView::RebuildTree() {
    rebuildPending_ = false;
    QSet<std::int32_t> expanded;
    for (QTreeWidgetItemIterator it(this); *it != nullptr; ++it) {
        if ((*it)->isExpanded()) {
            expanded.insert(IdOf(*it));
        }
    }
    rebuilding_ = true;
    clear();
    openFolderId_ = 0;
    CAucDoc& document = GetDocument();
    const std::vector<const gb::itemdb::CFolderNode*> chain = document.GetFolders().GetChain();
    QTreeWidgetItem* root =
        InsertNode(folder::Root, folder::Root, false, true, chain.front()->name.Get(), nullptr, -1);
    QHash<std::int32_t, QTreeWidgetItem*> items{{folder::Root, root}};
    for (auto node = std::next(chain.begin()); node != chain.end(); ++node) {
        QTreeWidgetItem* item =
            InsertNode((*node)->id, (*node)->type, (*node)->heading != 0, (*node)->fixed != 0,
                       (*node)->name.Get(), items.value((*node)->parentId, root), -1);
        items.insert((*node)->id, item);
    }
    root->setExpanded(true);
    for (const std::int32_t id : expanded) {
        if (QTreeWidgetItem* item = items.value(id)) {
            item->setExpanded(true);
        }
    }
    rebuilding_ = false;
    MarkOpenItem(document.GetSelectedFolderId());
    Q_EMIT Rebuilt();
}

QTreeWidgetItem* CNavView::FindTreeItem(std::int32_t folderId) const {
    for (QTreeWidgetItemIterator it(const_cast<CNavView*>(this)); *it != nullptr; ++it) {
        if (IdOf(*it) == folderId) {
            return *it;
        }
    }
    return nullptr;
}

void CNavView::ShowImage(QTreeWidgetItem* item) {
    const int image = item->data(0, kImageRole).toInt();
    const bool open = item->isExpanded() || IdOf(item) == openFolderId_;
    const bool wasRebuilding = rebuilding_;
    rebuilding_ = true;
    item->setIcon(0, ArtLibrary::FolderIcon(open ? OpenImage(image) : image));
    rebuilding_ = wasRebuilding;
}

QTreeWidgetItem* CNavView::MarkOpenItem(std::int32_t folderId) {
    QTreeWidgetItem* previous = FindTreeItem(openFolderId_);
    openFolderId_ = folderId;
    if (previous != nullptr) {
        ShowImage(previous);
    }
    QTreeWidgetItem* item = FindTreeItem(folderId);
    if (item != nullptr) {
        ShowImage(item);
        setCurrentItem(item);
        scrollToItem(item);
    }
    currentNodeId_ = folderId;
    return item;
}

bool CNavView::SelectNode(std::int32_t folderId) {
    CAucDoc& document = GetDocument();
    const gb::itemdb::CFolderNode* node = document.GetFolders().GetNode(folderId);
    if (node == nullptr) {
        return false;
    }
    std::int32_t type = node->type;
    if (type <= folder::Root) {
        type = folder::UserProfile;
    } else {
        MarkOpenItem(folderId);
        if (!document.SelectFolder(folderId)) {
            return false;
        }
    }
    frame_.SwitchRightView(ViewKindForFolder(type));
    return true;
}

void CNavView::OpenFolderItem(QTreeWidgetItem* item) {
    if (item == nullptr) {
        currentNodeId_ = 0;
        return;
    }
    const std::int32_t id = IdOf(item);
    if (id == folder::Root) {
        return;
    }
    if (frame_.RightViewIsForm()) {
        frame_.Services().messages.Show(UiText(
            frame_.RightFormIsValid() ? string_id::PressClose : string_id::ProfileViewRefused));
        return;
    }
    CAucDoc& document = GetDocument();
    const gb::itemdb::CFolderNode* node = document.GetFolders().GetNode(id);
    if (node == nullptr || node->heading != 0) {
        return;
    }
    if (SelectNode(id)) {
        document.UpdateAllViews(this, DocumentEvent::kHintOpened);
    }
    frame_.RequestCommandRefresh();
}

QMenu* CNavView::ContextMenuFor(QTreeWidgetItem* item) {
    auto* menu = new QMenu(this);
    FolderTraits traits;
    if (const gb::itemdb::CFolderNode* node = GetDocument().GetFolders().GetNode(IdOf(item))) {
        traits = {node->id, node->type, node->heading != 0, node->fixed != 0};
    }
    const std::set<int> grayed = GrayedFolderCommands(traits);
    for (int id : kFolderCommands) {
        QAction* action = menu->addAction(QtMenuText(FindCommandText(id)->menu));
        action->setData(id);
        action->setEnabled(commands_.HandlesCommand(id) && !grayed.contains(id));
        connect(action, &QAction::triggered, this, [this, id] { commands_.ExecuteCommand(id); });
    }
    return menu;
}

QTreeWidgetItem* CNavView::LabelAt(const QPoint& point) const {
    const QModelIndex index = indexAt(point);
    if (!index.isValid()) {
        return nullptr;
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    option.rect = visualRect(index);
    const int labelWidth = itemDelegateForIndex(index)->sizeHint(option, index).width();
    const bool onLabel =
        point.x() >= option.rect.left() && point.x() < option.rect.left() + labelWidth;
    return onLabel ? itemFromIndex(index) : nullptr;
}

int CNavView::LabelsWidth() const {
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    int widest = 0;
    for (QTreeWidgetItemIterator it(const_cast<CNavView*>(this)); *it != nullptr; ++it) {
        int depth = 0;
        for (const QTreeWidgetItem* parent = (*it)->parent(); parent != nullptr;
             parent = parent->parent()) {
            ++depth;
        }
        const QModelIndex index = indexFromItem(*it);
        const int label = itemDelegateForIndex(index)->sizeHint(option, index).width();
        widest = std::max(widest, (depth + 1) * indentation() + label);
    }
    // Room for the scroll bar, which a tree taller than the window shows.
    return widest + 2 * frameWidth() + verticalScrollBar()->sizeHint().width();
}

void CNavView::mousePressEvent(QMouseEvent* event) {
    // A right click beside a folder's icon and label leaves the highlight
    // and the current folder where they are, as it shows no menu.
    if (event->button() == Qt::RightButton && LabelAt(event->position().toPoint()) == nullptr) {
        event->accept();
        return;
    }
    QTreeWidget::mousePressEvent(event);
}

void CNavView::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = LabelAt(event->pos());
    if (item == nullptr) {
        return;
    }
    currentNodeId_ = IdOf(item);
    QMenu* menu = ContextMenuFor(item);
    menu->exec(event->globalPos());
    menu->deleteLater();
}

void CNavView::ShowAddedFolder(const AddedFolder& added) {
    RebuildTree();
    if (QTreeWidgetItem* parent = FindTreeItem(added.parentId)) {
        parent->setExpanded(true);
    }
    if (QTreeWidgetItem* item = FindTreeItem(added.id)) {
        currentNodeId_ = added.id;
        setCurrentItem(item);
    }
}

FolderCommands CNavView::Commands() {
    return FolderCommands(GetDocument(), frame_.App().GetFeeSchedule(), frame_.Services(), this);
}

void CNavView::OnNew() {
    frame_.StoreRightForm();
    if (const auto added = Commands().New(currentNodeId_)) {
        ShowAddedFolder(*added);
    }
}

void CNavView::OnAddFolder() {
    frame_.StoreRightForm();
    if (const auto added = Commands().AddFolder(currentNodeId_)) {
        ShowAddedFolder(*added);
    }
}

void CNavView::OnDelete() {
    frame_.StoreRightForm();
    const std::int32_t id = currentNodeId_;
    if (!Commands().Delete(id)) {
        return;
    }
    // The views reload what the deletion changed.
    const WaitCursor wait;
    CAucDoc& document = GetDocument();
    RebuildTree();
    // A deleted folder cannot stay on display: the first folder with items
    // opens instead.
    if (document.GetSelectedFolder() == nullptr) {
        document.SelectFolder(0);
        SelectNode(document.GetSelectedFolderId());
    }
    document.UpdateAllViews(this, DocumentEvent::kHintNew);
}

void CNavView::OnEdit() {
    const std::int32_t id = currentNodeId_;
    FolderCommands commands = Commands();
    FolderCommands::EditOutcome outcome = commands.Edit(id);
    if (outcome.editor == FolderEditor::WebLink) {
        outcome.refresh = commands.EditLink(id, frame_.ShownWebAddress());
    }
    if (!outcome.refresh) {
        return;
    }
    RebuildTree();
    OpenFolderItem(FindTreeItem(id));
}

void CNavView::OnRename() {
    if (!CanRename(currentNodeId_)) {
        return;
    }
    if (QTreeWidgetItem* item = FindTreeItem(currentNodeId_)) {
        editItem(item, 0);
    }
}

void CNavView::OnLabelChanged(QTreeWidgetItem* item) {
    if (rebuilding_ || item == nullptr) {
        return;
    }
    CFolderTree& tree = GetDocument().EditFolders();
    if (!tree.FindNode(IdOf(item))) {
        return;
    }
    const std::string edited = FromQt(item->text(0));
    std::string name = tree.GetCurName();
    if (edited != name && tree.IsCurFixed() == 0) {
        if (const auto accepted = AcceptedLabel(edited)) {
            tree.SetCurName(*accepted);
            name = tree.GetCurName();
        }
    }
    rebuilding_ = true;
    item->setText(0, ToQt(name));
    rebuilding_ = false;
}

}  // namespace gb::app::ui
