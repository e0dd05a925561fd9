#pragma once
// The rows of the item list: one per item of the folder on display, kept as
// positions in the item list's display list, with the columns of the folder's
// column set. Cell texts are made when a row is first shown.

#include <QtCore/QAbstractTableModel>

#include <vector>

#include "app/core/ListColumns.h"
#include "itemdb/ItemList.h"

namespace gb::itemdb {
class CFeeSchedule;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app::ui {

class ItemListModel final : public QAbstractTableModel {
public:
    ItemListModel(const gb::itemdb::CItemList& items, gb::itemdb::CFeeSchedule& fees,
                  const gb::itemdb::FolderNameLookup& folders, QObject* parent = nullptr);

    void SetColumns(std::vector<ListColumn> columns);
    const std::vector<ListColumn>& Columns() const { return columns_; }

    // The rows, in the order given.
    void SetRows(std::vector<gb::itemdb::CItemList::DisplayPos> positions);
    // The rows in a new order: row i becomes the old row order[i].
    void Reorder(const std::vector<std::size_t>& order);
    void Clear() { SetRows({}); }
    // After items were changed through the item list: drops the rows whose
    // items left the display list, in one pass that keeps the selection of
    // the other rows, and shows the others' texts anew.
    void SettleRows();
    // Inserts a row for a new item at `row`.
    void InsertRow(int row, gb::itemdb::CItemList::DisplayPos position);

    const gb::itemdb::CAucItem* ItemAt(int row) const;
    gb::itemdb::CItemList::DisplayPos PositionAt(int row) const {
        return rows_[static_cast<std::size_t>(row)].position;
    }
    // The text of a cell as shown.
    QString CellText(int row, int column) const;

    void SetLargeIcons(bool large);
    bool HasLargeIcons() const { return largeIcons_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

private:
    struct Row {
        gb::itemdb::CItemList::DisplayPos position;
        mutable std::vector<QString> texts;  // made when first needed
    };

    const Row& Filled(int row) const;

    const gb::itemdb::CItemList& items_;
    gb::itemdb::CFeeSchedule& fees_;
    const gb::itemdb::FolderNameLookup& folders_;
    std::vector<ListColumn> columns_;
    std::vector<Row> rows_;
    bool largeIcons_ = false;
};

}  // namespace gb::app::ui
