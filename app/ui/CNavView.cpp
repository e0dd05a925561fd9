#include "app/ui/CNavView.h"

#include "app/dialogs/folders/FolderCommands.h"

#include <QtCore/QSignalBlocker>
#include <QtGui/QContextMenuEvent>
#include <QtWidgets/QMenu>

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
using gb::itemdb::DocumentView;
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
    connect(this, &QTreeWidget::itemDoubleClicked, this,
            [this](QTreeWidgetItem* item) { OpenFolderItem(item); });
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
    RebuildTree();
}

void CNavView::OnUpdate(DocumentView*, std::int32_t) {
    RebuildTree();
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
    rebuilding_ = true;
    clear();
    openFolderId_ = 0;
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    QHash<std::int32_t, QTreeWidgetItem*> items;
    if (tree.FindNode(folder::Root)) {
        QTreeWidgetItem* root =
            InsertNode(folder::Root, folder::Root, false, true, tree.GetCurName(), nullptr, -1);
        items.insert(folder::Root, root);
        while (tree.MoveNext()) {
            QTreeWidgetItem* parent = items.value(tree.GetCurParent(), root);
            items.insert(tree.GetCurId(),
                         InsertNode(tree.GetCurId(), tree.GetCurType(), tree.IsCurHeading() != 0,
                                    tree.IsCurFixed() != 0, tree.GetCurName(), parent, -1));
        }
        root->setExpanded(true);
    }
    document.GetFolderTree();
    rebuilding_ = false;
    if (initialUpdateDone_) {
        // The folder the document has selected opens again, so that an edit or
        // an update leaves the user where he was.
        SelectNode(document.GetSelectedFolderId());
    }
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
    CFolderTree& tree = document.GetFolderTree();
    if (!tree.FindNode(folderId)) {
        document.GetFolderTree();
        return false;
    }
    std::int32_t type = tree.GetCurType();
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
            frame_.LeaveProfileView() ? string_id::PressClose : string_id::ProfileViewRefused));
        return;
    }
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    const bool heading = tree.FindNode(id) && tree.IsCurHeading() != 0;
    document.GetFolderTree();
    if (heading) {
        return;
    }
    if (SelectNode(id)) {
        document.UpdateAllViews(this, DocumentView::kHintOpened);
    } else {
        document.GetFolderTree();
    }
    frame_.RequestCommandRefresh();
}

QMenu* CNavView::ContextMenuFor(QTreeWidgetItem* item) {
    auto* menu = new QMenu(this);
    CFolderTree& tree = GetDocument().GetFolderTree();
    FolderTraits traits;
    if (tree.FindNode(IdOf(item))) {
        traits = {tree.GetCurId(), tree.GetCurType(), tree.IsCurHeading() != 0,
                  tree.IsCurFixed() != 0};
    }
    GetDocument().GetFolderTree();
    const std::set<int> grayed = GrayedFolderCommands(traits);
    for (int id : kFolderCommands) {
        QAction* action = menu->addAction(QtMenuText(FindCommandText(id)->menu));
        action->setData(id);
        action->setEnabled(commands_.HandlesCommand(id) && !grayed.contains(id));
        connect(action, &QAction::triggered, this, [this, id] { commands_.ExecuteCommand(id); });
    }
    return menu;
}

void CNavView::contextMenuEvent(QContextMenuEvent* event) {
    QTreeWidgetItem* item = itemAt(event->pos());
    if (item == nullptr) {
        return;
    }
    currentNodeId_ = IdOf(item);
    QMenu* menu = ContextMenuFor(item);
    menu->exec(event->globalPos());
    menu->deleteLater();
}

void CNavView::InsertAddedFolder(const AddedFolder& added, std::int32_t afterId) {
    QTreeWidgetItem* parent = FindTreeItem(added.parentId);
    if (parent == nullptr) {
        return;
    }
    int index = 0;
    if (afterId != added.parentId) {
        QTreeWidgetItem* after = FindTreeItem(afterId);
        index = after != nullptr && after->parent() == parent ? parent->indexOfChild(after) + 1
                                                              : parent->childCount();
    }
    CFolderTree& tree = GetDocument().GetFolderTree();
    const bool fixed = tree.FindNode(added.id) && tree.IsCurFixed() != 0;
    GetDocument().GetFolderTree();
    rebuilding_ = true;
    QTreeWidgetItem* item =
        InsertNode(added.id, added.type, added.heading, fixed, added.name, parent, index);
    rebuilding_ = false;
    parent->setExpanded(true);
    setCurrentItem(item);
}

FolderCommands CNavView::Commands() {
    return FolderCommands(GetDocument(), frame_.App().GetFeeSchedule(), frame_.Services(), this);
}

void CNavView::OnNew() {
    const std::int32_t current = currentNodeId_;
    if (const auto added = Commands().New(current)) {
        InsertAddedFolder(*added, current);
    }
}

void CNavView::OnAddFolder() {
    const std::int32_t current = currentNodeId_;
    if (const auto added = Commands().AddFolder(current)) {
        InsertAddedFolder(*added, current);
    }
}

void CNavView::OnDelete() {
    const std::int32_t id = currentNodeId_;
    if (!Commands().Delete(id)) {
        return;
    }
    // The views reload what the deletion changed.
    const WaitCursor wait;
    CAucDoc& document = GetDocument();
    delete FindTreeItem(id);
    // A deleted folder cannot stay on display: the first folder with items
    // opens instead.
    if (!document.GetFolderTree().FolderName(document.GetSelectedFolderId())) {
        document.SelectFolder(0);
        SelectNode(document.GetSelectedFolderId());
    }
    document.GetFolderTree();
    document.UpdateAllViews(this, DocumentView::kHintNew);
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
    if (QTreeWidgetItem* item = FindTreeItem(id)) {
        CFolderTree& tree = GetDocument().GetFolderTree();
        if (tree.FindNode(id)) {
            const QSignalBlocker quiet(this);
            item->setText(0, ToQt(tree.GetCurName()));
        }
        OpenFolderItem(item);
    }
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
    CAucDoc& document = GetDocument();
    CFolderTree& tree = document.GetFolderTree();
    if (!tree.FindNode(IdOf(item))) {
        document.GetFolderTree();
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
    document.GetFolderTree();
    rebuilding_ = true;
    item->setText(0, ToQt(name));
    rebuilding_ = false;
}

}  // namespace gb::app::ui
