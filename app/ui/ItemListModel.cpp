#include "app/ui/ItemListModel.h"

#include <QtCore/QMetaObject>

#include <algorithm>

#include "app/core/ItemCells.h"
#include "app/ui/ArtLibrary.h"
#include "itemdb/AucItem.h"
#include "widgets/QtText.h"

using namespace gb::itemdb;

namespace gb::app::ui {

using gb::widgets::ToQt;

ItemListModel::ItemListModel(const CItemList& items, CFeeSchedule& fees,
                             const FolderNameLookup& folders, QObject* parent)
    : QAbstractTableModel(parent), items_(items), fees_(fees), folders_(folders) {}

void ItemListModel::SetColumns(std::vector<ListColumn> columns) {
    beginResetModel();
    columns_ = std::move(columns);
    rows_.clear();
    ForgetRowIndex();
    endResetModel();
}

ItemListModel::Row ItemListModel::MakeRow(const CAucItem& item) const {
    return Row{items_.IdOf(item), &item, items_.GetRevision(), {}, false};
}

void ItemListModel::SetRows(std::span<const CAucItem* const> items) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(items.size());
    for (const CAucItem* item : items) {
        rows_.push_back(MakeRow(*item));
    }
    ForgetRowIndex();
    endResetModel();
}

void ItemListModel::Reorder(const std::vector<std::size_t>& order) {
    Q_EMIT layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<int> newRowOf(rows_.size(), -1);
    std::vector<Row> reordered;
    reordered.reserve(order.size());
    for (const std::size_t from : order) {
        newRowOf.at(from) = static_cast<int>(reordered.size());
        reordered.push_back(std::move(rows_[from]));
    }
    rows_ = std::move(reordered);
    ForgetRowIndex();
    MovePersistentRows(newRowOf);
    Q_EMIT layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ItemListModel::MovePersistentRows(const std::vector<int>& newRowOf) {
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int row = newRowOf[static_cast<std::size_t>(index.row())];
        after.push_back(row < 0 ? QModelIndex() : createIndex(row, index.column()));
    }
    changePersistentIndexList(before, after);
}

void ItemListModel::InsertRow(int row, const ItemId& item) {
    const CAucItem* found = items_.GetItemAt(item);
    if (found == nullptr) {
        return;
    }
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, MakeRow(*found));
    ForgetRowIndex();
    endInsertRows();
}

void ItemListModel::ItemChanged(const CAucItem& item) {
    const int row = RowOf(&item);
    if (row < 0) {
        return;
    }
    Row& changed = rows_[static_cast<std::size_t>(row)];
    changed.id = items_.IdOf(item);
    changed.texts.clear();
    if (!items_.MatchFolder(item, item.GetState())) {
        Leave(changed);
        return;
    }
    Q_EMIT dataChanged(index(row, 0), index(row, columnCount() - 1));
}

void ItemListModel::ItemRemoved(const CAucItem& item) {
    if (const int row = RowOf(&item); row >= 0) {
        Leave(rows_[static_cast<std::size_t>(row)]);
    }
}

void ItemListModel::Leave(Row& row) {
    // The row goes with the others leaving; nothing of it is shown again.
    row.leaving = true;
    row.texts.clear();
    if (!settlePending_) {
        settlePending_ = true;
        QMetaObject::invokeMethod(this, &ItemListModel::Settle, Qt::QueuedConnection);
    }
}

void ItemListModel::Settle() {
    settlePending_ = false;
    if (std::none_of(rows_.begin(), rows_.end(), [](const Row& row) { return row.leaving; })) {
        return;
    }
    Q_EMIT layoutAboutToBeChanged();
    // Old row index to new, -1 for a row that goes.
    std::vector<int> moved(rows_.size(), -1);
    std::size_t kept = 0;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (rows_[row].leaving) {
            continue;
        }
        moved[row] = static_cast<int>(kept);
        if (kept != row) {
            rows_[kept] = std::move(rows_[row]);
        }
        ++kept;
    }
    rows_.resize(kept);
    ForgetRowIndex();
    MovePersistentRows(moved);
    Q_EMIT layoutChanged();
    Q_EMIT RowsSettled();
}

const CAucItem* ItemListModel::Resolve(const Row& row) const {
    if (row.revision != items_.GetRevision()) {
        row.item = items_.GetItemAt(row.id);
        row.revision = items_.GetRevision();
    }
    return row.item;
}

const CAucItem* ItemListModel::ItemAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return Resolve(rows_[static_cast<std::size_t>(row)]);
}

int ItemListModel::RowOf(const ItemId& item) const {
    return RowOf(items_.GetItemAt(item));
}

int ItemListModel::RowOf(const CAucItem* item) const {
    if (item == nullptr) {
        return -1;
    }
    if (rowOfItem_.empty() || rowIndexRevision_ != items_.GetRevision()) {
        rowOfItem_.clear();
        rowOfItem_.reserve(rows_.size());
        for (std::size_t row = 0; row < rows_.size(); ++row) {
            if (const CAucItem* shown = Resolve(rows_[row])) {
                rowOfItem_.emplace(shown, static_cast<int>(row));
            }
        }
        rowIndexRevision_ = items_.GetRevision();
    }
    const auto at = rowOfItem_.find(item);
    return at == rowOfItem_.end() ? -1 : at->second;
}

std::vector<const CAucItem*> ItemListModel::Items() const {
    std::vector<const CAucItem*> items;
    items.reserve(rows_.size());
    for (const Row& row : rows_) {
        if (const CAucItem* item = Resolve(row)) {
            items.push_back(item);
        }
    }
    return items;
}

const ItemListModel::Row& ItemListModel::Filled(int row) const {
    const Row& filled = rows_[static_cast<std::size_t>(row)];
    if (filled.texts.size() != columns_.size()) {
        filled.texts.clear();
        const CAucItem* item = Resolve(filled);
        for (const ListColumn& column : columns_) {
            filled.texts.push_back(item ? ToQt(gb::app::CellText(*item, column, fees_, &folders_))
                                        : QString());
        }
    }
    return filled;
}

QString ItemListModel::CellText(int row, int column) const {
    if (row < 0 || row >= rowCount() || column < 0 || column >= columnCount()) {
        return {};
    }
    return Filled(row).texts[static_cast<std::size_t>(column)];
}

void ItemListModel::SetLargeIcons(bool large) {
    if (large == largeIcons_) {
        return;
    }
    largeIcons_ = large;
    if (!rows_.empty()) {
        Q_EMIT dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DecorationRole});
    }
}

int ItemListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ItemListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ItemListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= columnCount()) {
        return {};
    }
    const ListColumn& column = columns_[static_cast<std::size_t>(index.column())];
    switch (role) {
        case Qt::DisplayRole:
            return CellText(index.row(), index.column());
        case Qt::DecorationRole:
            if (index.column() == 0) {
                const CAucItem* item = ItemAt(index.row());
                return item ? ArtLibrary::ItemStatePixmap(item->GetDisplayState(), largeIcons_)
                            : QVariant();
            }
            return {};
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                Qt::Alignment(column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter);
        default:
            return {};
    }
}

QVariant ItemListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount()) {
        return {};
    }
    const ListColumn& column = columns_[static_cast<std::size_t>(section)];
    switch (role) {
        case Qt::DisplayRole:
            return ToQt(column.title);
        case Qt::TextAlignmentRole:
            return QVariant::fromValue(
                Qt::Alignment(column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) |
                Qt::AlignVCenter);
        default:
            return {};
    }
}

}  // namespace gb::app::ui
