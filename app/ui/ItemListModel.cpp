#include "app/ui/ItemListModel.h"

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
    endResetModel();
}

void ItemListModel::SetRows(std::vector<CItemList::DisplayPos> positions) {
    beginResetModel();
    rows_.clear();
    rows_.reserve(positions.size());
    for (const auto& position : positions) {
        rows_.push_back({position, {}});
    }
    endResetModel();
}

void ItemListModel::Reorder(const std::vector<std::size_t>& order) {
    Q_EMIT layoutAboutToBeChanged();
    std::vector<Row> reordered;
    reordered.reserve(order.size());
    for (std::size_t from : order) {
        reordered.push_back(std::move(rows_.at(from)));
    }
    rows_ = std::move(reordered);
    Q_EMIT layoutChanged();
}

void ItemListModel::SettleRows() {
    Q_EMIT layoutAboutToBeChanged();
    // Old row index to new, -1 for a row that goes.
    std::vector<int> moved(rows_.size(), -1);
    std::size_t kept = 0;
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        if (items_.GetItemAt(rows_[row].position) == nullptr) {
            continue;
        }
        moved[row] = static_cast<int>(kept);
        rows_[kept] = std::move(rows_[row]);
        rows_[kept].texts.clear();
        ++kept;
    }
    rows_.resize(kept);
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& index : before) {
        const int row = moved[static_cast<std::size_t>(index.row())];
        after.push_back(row < 0 ? QModelIndex() : createIndex(row, index.column()));
    }
    changePersistentIndexList(before, after);
    Q_EMIT layoutChanged();
}

void ItemListModel::InsertRow(int row, CItemList::DisplayPos position) {
    row = std::clamp(row, 0, rowCount());
    beginInsertRows({}, row, row);
    rows_.insert(rows_.begin() + row, Row{position, {}});
    endInsertRows();
}

const CAucItem* ItemListModel::ItemAt(int row) const {
    if (row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return items_.GetItemAt(rows_[static_cast<std::size_t>(row)].position);
}

const ItemListModel::Row& ItemListModel::Filled(int row) const {
    const Row& filled = rows_[static_cast<std::size_t>(row)];
    if (filled.texts.size() != columns_.size()) {
        filled.texts.clear();
        const CAucItem* item = items_.GetItemAt(filled.position);
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
