#pragma once
// The rows of the item list: one per item of the folder on display, each
// holding the item's identity, so that a row stays with its item through
// sorting, edits, moves and merges; the columns are those of the folder's
// column set. Cell texts are made when a row is first shown.
//
// An item stored anew shows its new texts in its row; an item that left the
// folder marks its row as leaving, and all leaving rows go together once the
// present command is done, in one pass that keeps the selection of the
// others.

#include <QtCore/QAbstractTableModel>

#include <cstdint>
#include <span>
#include <unordered_map>
#include <vector>

#include "app/core/ListColumns.h"
#include "itemdb/ItemList.h"

namespace gb::itemdb {
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app::ui {

class ItemListModel final : public QAbstractTableModel {
    Q_OBJECT

public:
    using ItemId = gb::itemdb::CItemList::ItemId;

    ItemListModel(const gb::itemdb::CItemList& items, gb::itemdb::CFeeSchedule& fees,
                  const gb::itemdb::FolderNameLookup& folders, QObject* parent = nullptr);

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    // The rows, in the order given.
    void SetRows(std::span<const gb::itemdb::CAucItem* const> items);
    // The rows in a new order: row i becomes the old row order[i]; the
    // selection and the current row move with their items.
    void Reorder(const std::vector<std::size_t>& order);
    void Clear() { SetRows({}); }
    // Inserts a row for an item at `row`.
    void InsertRow(int row, const ItemId& item);
    // The item was stored anew, moved or merged: its row shows it anew, or
    // leaves when the folder on display no longer admits it. Nothing for an
    // item without a row.
    void ItemChanged(const gb::itemdb::CAucItem& item);
    // The item went from the lists: its row leaves.
    void ItemRemoved(const gb::itemdb::CAucItem& item);

    // The item of a row; none for a row out of range or whose item is gone.
    const gb::itemdb::CAucItem* ItemAt(int row) const;
    ItemId IdAt(int row) const { return rows_[static_cast<std::size_t>(row)].id; }
    // The row of an item; -1 when it has none.
    int RowOf(const ItemId& item) const;
    int RowOf(const gb::itemdb::CAucItem* item) const;
    // The items of all rows, in row order, without the gone ones.
    std::vector<const gb::itemdb::CAucItem*> Items() const;
    // The text of a cell as shown.
    QString CellText(int row, int column) const;

    void SetLargeIcons(bool large);
    bool HasLargeIcons() const { return largeIcons_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

Q_SIGNALS:
    // Leaving rows went.
    void RowsSettled();

private:
    struct Row {
        ItemId id;
        // The item as last found, valid while the item list's revision is
        // the one noted.
        mutable const gb::itemdb::CAucItem* item = nullptr;
        mutable std::uint64_t revision = 0;
        mutable std::vector<QString> texts;  // made when first needed
        bool leaving = false;
    };

    Row MakeRow(const gb::itemdb::CAucItem& item) const;
    const gb::itemdb::CAucItem* Resolve(const Row& row) const;
    const Row& Filled(int row) const;
    // Marks the row as leaving; the leaving rows go together once the
    // present command is done.
    void Leave(Row& row);
    // Takes the leaving rows away.
    void Settle();
    // The persistent indexes (the selection, the current row) follow their
    // rows to their new places, -1 for a row that went.
    void MovePersistentRows(const std::vector<int>& newRowOf);
    // The structure of the rows changed: the row of each item is found anew.
    void ForgetRowIndex() { rowOfItem_.clear(); }

    const gb::itemdb::CItemList& items_;
    gb::itemdb::CFeeSchedule& fees_;
    const gb::itemdb::FolderNameLookup& folders_;
    std::vector<ListColumn> columns_;
    std::vector<Row> rows_;
    // The row of each item, by the item's address; made when first needed.
    mutable std::unordered_map<const gb::itemdb::CAucItem*, int> rowOfItem_;
    mutable std::uint64_t rowIndexRevision_ = 0;
    bool settlePending_ = false;
    bool largeIcons_ = false;
};

}  // namespace gb::app::ui
