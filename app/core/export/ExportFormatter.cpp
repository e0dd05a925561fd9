#include "app/core/export/ExportFormatter.h"

#include <algorithm>
#include <utility>

#include "app/core/ListRows.h"
#include "app/core/print/FieldPadding.h"

namespace gb::app {

ExportFormatter::ExportFormatter(std::vector<gb::app::ListColumn> columns, ExportType type,
                                 std::optional<char> listSeparator)
    : columns_(std::move(columns)),
      type_(type),
      separator_(listSeparator.value_or(',')),
      replacement_(listSeparator == ' ' ? '|' : ' ') {
    if (type_ == ExportType::FixedLength) {
        separator_ = ' ';
    } else if (type_ == ExportType::Tab) {
        separator_ = '\t';
    }
}

std::vector<gb::app::ListColumn> ExportFormatter::ColumnsOf(std::string_view columnSet,
                                                         const gb::itemdb::CFeeSchedule& fees) {
    std::vector<gb::app::ListColumn> columns = gb::app::BuildListColumns(columnSet, fees);
    columns.erase(columns.begin());  // the list's icon column
    return columns;
}

void ExportFormatter::AppendValue(std::string& line, std::string text,
                                  const gb::app::ListColumn& column) const {
    std::replace(text.begin(), text.end(), '\r', ' ');
    std::replace(text.begin(), text.end(), '\n', ' ');
    switch (type_) {
        case ExportType::Separated:
            std::replace(text.begin(), text.end(), separator_, replacement_);
            break;
        case ExportType::FixedLength:
            AppendPadded(line, text, PaddingFieldOf(column), PadPurpose::Export);
            return;
        case ExportType::Tab:
            std::replace(text.begin(), text.end(), '\t', ' ');
            break;
    }
    line += text;
}

template <typename TextOf>
std::string ExportFormatter::Line(TextOf textOf) const {
    std::string line;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
        if (c != 0) {
            line += separator_;
        }
        AppendValue(line, textOf(columns_[c]), columns_[c]);
    }
    return line;
}

std::string ExportFormatter::Header() const {
    return Line([](const gb::app::ListColumn& column) { return column.title; });
}

std::string ExportFormatter::Row(const ListRows& rows, std::size_t row) const {
    return Line([&](const gb::app::ListColumn& column) { return rows.Cell(row, column); });
}

}  // namespace gb::app
