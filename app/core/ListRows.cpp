#include "app/core/ListRows.h"

#include "app/core/ItemCells.h"

namespace gb::app {

std::string ListRows::Cell(std::size_t row, const gb::app::ListColumn& column) const {
    return gb::app::CellText(*items_.at(row), column, fees_, folders_);
}

}  // namespace gb::app
