// Exports hostile items in the three layouts, as "Export Items" writes them,
// and checks each file's shape whatever the texts hold: one line per item
// after the header, CR LF only at the end of each line, and either one
// separator fewer than columns on every line or lines of one length.
//
// Input: the items (see FuzzItems.h), an empty line, a byte that picks the
// locale's list separator, then the column set.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "FuzzItems.h"
#include "app/core/ListRows.h"
#include "app/core/export/ExportFile.h"
#include "app/core/export/ExportFormatter.h"
#include "itemdb/FeeSchedule.h"

using namespace gb::itemdb;
using gb::app::ExportType;

namespace {

constexpr std::array<std::optional<char>, 4> kListSeparators = {',', ';', ' ', std::nullopt};

std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    for (std::size_t end = text.find("\r\n"); end != std::string_view::npos;
         end = text.find("\r\n")) {
        lines.push_back(text.substr(0, end));
        text.remove_prefix(end + 2);
    }
    if (!text.empty()) {
        std::abort();  // the last line is ended too
    }
    return lines;
}

void CheckShape(std::string_view text, ExportType type, char separator, std::size_t rows,
                std::size_t columns) {
    const std::vector<std::string_view> lines = Lines(text);
    if (lines.size() != rows + 1) {
        std::abort();
    }
    for (const std::string_view line : lines) {
        if (line.find_first_of("\r\n") != std::string_view::npos) {
            std::abort();
        }
        if (type == ExportType::FixedLength) {
            if (line.size() != lines.front().size()) {
                std::abort();
            }
        } else if (static_cast<std::size_t>(std::count(line.begin(), line.end(), separator)) !=
                   (columns == 0 ? 0 : columns - 1)) {
            std::abort();
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    gb::fuzz::ItemsAndRest input =
        gb::fuzz::ReadItems(std::string_view(reinterpret_cast<const char*>(data), size));
    if (input.rest.empty()) {
        return 0;
    }
    const std::optional<char> listSeparator =
        kListSeparators[static_cast<unsigned char>(input.rest.front()) % kListSeparators.size()];
    const std::string_view columnSet = input.rest.substr(1);

    CFeeSchedule fees;
    std::vector<const CAucItem*> items;
    for (const CAucItem& item : input.items) {
        items.push_back(&item);
    }
    const gb::app::ListRows rows(items, fees, nullptr);
    for (const ExportType type :
         {ExportType::Separated, ExportType::FixedLength, ExportType::Tab}) {
        const gb::app::ExportFormatter formatter(
            gb::app::ExportFormatter::ColumnsOf(columnSet, fees), type, listSeparator);
        const char separator = type == ExportType::Tab ? '\t' : listSeparator.value_or(',');
        CheckShape(gb::app::ExportText(formatter, rows), type, separator, rows.Count(),
                   formatter.Columns().size());
    }
    return 0;
}
