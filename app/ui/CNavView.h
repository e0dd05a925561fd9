#pragma once
// The folder tree of the main window: the profile's folders with their
// images, opened by a double click (or Enter), renamed in place, and the
// folder commands of its context menu (New, Add Folder, Edit, Delete,
// Rename). It mirrors the document's folders anew whenever they change,
// keeping the branches the user expanded and the folder he is on.

#include <QtCore/QHash>
#include <QtWidgets/QTreeWidget>

#include <cstdint>
#include <optional>

#include "app/core/FolderEditing.h"
#include "app/core/IFrame.h"
#include "app/ui/CView.h"

namespace gb::app::ui {

class FolderCommands;

class CNavView final : public QTreeWidget, public CView {
    Q_OBJECT

public:
    static constexpr int kIdRole = Qt::UserRole;
    static constexpr int kImageRole = Qt::UserRole + 1;  // the folder's closed image

    CNavView(IFrame& frame, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    ViewKind Kind() const override { return ViewKind::Items; }
    void OnInitialUpdate() override;
    void OnUpdate(std::int32_t hint) override;
    // Another profile: no branch expanded, no folder current.
    void StartAfresh() override;
    // Folders that change are mirrored once the change is over.
    void OnDocumentEvent(const gb::itemdb::DocumentEvent& event) override;

    // The item showing the folder; null when the tree has none.
    QTreeWidgetItem* FindTreeItem(std::int32_t folderId) const;
    // Shows the folder as the open one and makes it the current node.
    QTreeWidgetItem* MarkOpenItem(std::int32_t folderId);
    // Opens a folder: the document selects it and the right-hand view changes
    // to the kind of view it needs. The root shows the user profile.
    bool SelectNode(std::int32_t folderId);
    // Mirrors the document's folder tree afresh: the branches expanded before
    // stay expanded, and the folder the document has selected is marked open
    // and made the current one.
    void RebuildTree();

    // What a double click on a folder does.
    void OpenFolderItem(QTreeWidgetItem* item);
    // The folder the folder commands act on.
    std::int32_t CurrentNodeId() const { return currentNodeId_; }
    void SetCurrentNodeId(std::int32_t folderId) { currentNodeId_ = folderId; }
    // The context menu's commands and which of them are available, for the
    // folder under `item`.
    QMenu* ContextMenuFor(QTreeWidgetItem* item);
    // The folder whose icon or label is at the point; null elsewhere.
    QTreeWidgetItem* LabelAt(const QPoint& point) const;
    // The width the tree needs to show every folder's label whole, with all
    // branches open and a scroll bar.
    int LabelsWidth() const;

    // The folder commands.
    void OnNew();
    void OnAddFolder();
    // Edit: the folder dialog for the folder's name, description and columns.
    void OnEdit();
    void OnDelete();
    void OnRename();

Q_SIGNALS:
    // The tree mirrors the document's folders anew.
    void Rebuilt();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    QTreeWidgetItem* InsertNode(std::int32_t id, std::int32_t type, bool heading, bool fixed,
                                const std::string& name, QTreeWidgetItem* parent, int index);

    // The folder commands on the document, asking through the frame's services.
    FolderCommands Commands();
    // Shows a folder just added as the current one, its parent expanded.
    void ShowAddedFolder(const AddedFolder& added);
    void ShowImage(QTreeWidgetItem* item);
    void OnLabelChanged(QTreeWidgetItem* item);

    IFrame& frame_;
    bool initialUpdateDone_ = false;
    std::int32_t currentNodeId_ = 100;
    std::int32_t openFolderId_ = 0;
    bool rebuilding_ = false;
    bool rebuildPending_ = false;
};

}  // namespace gb::app::ui
