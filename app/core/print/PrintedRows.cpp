#include "app/core/print/PrintedRows.h"

#include <stdexcept>

#include "app/core/ListRows.h"

namespace gb::app {

PrintedRows::PrintedRows(const ListRows& rows, std::span<const ListColumn> columns)
    : rowCount_(rows.Count()), columnCount_(columns.size()) {
    cells_.reserve(rowCount_ * columnCount_);
    for (std::size_t row = 0; row < rowCount_; ++row) {
        for (const ListColumn& column : columns) {
            cells_.push_back(rows.Cell(row, column));
        }
    }
}

const std::string& PrintedRows::Cell(std::size_t row, std::size_t column) const {
    if (row >= rowCount_ || column >= columnCount_) {
        throw std::out_of_range("PrintedRows::Cell");
    }
    return cells_[row * columnCount_ + column];
}

}  // namespace gb::app
