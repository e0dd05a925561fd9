#pragma once
// The lines of an export file: a header line of the column names and one
// line per row, in one of the three layouts. No value is quoted: a separator
// inside a value becomes a blank (or '|' when the separator is a blank), a tab
// inside a value of a tab export becomes a blank, and line breaks become
// blanks, so every row stays one line with its columns in place.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/ListColumns.h"
#include "app/core/export/ExportType.h"

namespace gb::itemdb {
class CFeeSchedule;
}  // namespace gb::itemdb

namespace gb::app {

class ListRows;

class ExportFormatter {
public:
    // `columns`: the exported columns, without the list's icon column.
    // `listSeparator`: the user locale's list separator; ',' when unknown.
    ExportFormatter(std::vector<gb::app::ListColumn> columns, ExportType type,
                    std::optional<char> listSeparator);

    // The exported columns of a column-set text: its fields, and its
    // fee-schedule entries that are active.
    static std::vector<gb::app::ListColumn> ColumnsOf(std::string_view columnSet,
                                                   const gb::itemdb::CFeeSchedule& fees);

    const std::vector<gb::app::ListColumn>& Columns() const { return columns_; }
    std::string Header() const;
    std::string Row(const ListRows& rows, std::size_t row) const;

private:
    template <typename TextOf>
    std::string Line(TextOf textOf) const;
    // Appends the text of one column as it is written.
    void AppendValue(std::string& line, std::string text, const gb::app::ListColumn& column) const;

    std::vector<gb::app::ListColumn> columns_;
    ExportType type_;
    char separator_;
    char replacement_;  // what a separator inside a value becomes
};

}  // namespace gb::app
