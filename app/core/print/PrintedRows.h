#pragma once
// The cell texts of the item list's rows, copied when a print command starts:
// a print shows the list as it was when the user chose the command, however
// often its preview repaints the pages and whatever an update changes or
// destroys meanwhile.

#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "app/core/ListColumns.h"

namespace gb::app {

class ListRows;

class PrintedRows {
public:
    // The texts of every row in every column.
    PrintedRows(const ListRows& rows, std::span<const ListColumn> columns);

    std::size_t Count() const { return rowCount_; }
    bool IsEmpty() const { return rowCount_ == 0; }
    // The text of the row's cell in the column at index `column`.
    const std::string& Cell(std::size_t row, std::size_t column) const;

private:
    std::size_t rowCount_;
    std::size_t columnCount_;
    std::vector<std::string> cells_;  // row after row
};

}  // namespace gb::app
