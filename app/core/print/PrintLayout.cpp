#include "app/core/print/PrintLayout.h"

#include <algorithm>

#include "app/core/print/FieldPadding.h"

namespace gb::app {

namespace {

constexpr char kDefaultTitle[] = "Current Auction Listings";

// The texts of a band's columns, padded for print, a blank between them;
// `textOf` gives the text of the column at an index.
template <typename TextOf>
std::string JoinColumns(const std::vector<gb::app::ListColumn>& columns,
                        const PrintLayout::Band& band, TextOf textOf) {
    std::string line;
    for (std::size_t c = band.first; c <= band.last; ++c) {
        if (c != band.first) {
            line += ' ';
        }
        line += PadField(textOf(c), PaddingFieldOf(columns[c]), PadPurpose::Print);
    }
    return line;
}

}  // namespace

std::string RefusalText(PrintRefusal refusal) {
    switch (refusal) {
        case PrintRefusal::NoItems:
            return "There are no items to print. Select a different folder.";
        case PrintRefusal::NoColumns:
            return "There are no columns to print. Choose the columns of this folder first.";
        case PrintRefusal::PageTooSmall:
            return "The page is too small to print the item list. Choose a larger paper size or "
                   "smaller margins.";
    }
    return {};
}

std::variant<PrintLayout, PrintRefusal> PrintLayout::Make(const PrintContent& content,
                                                          const PrintMetrics& metrics) {
    if (content.rows.IsEmpty()) {
        return PrintRefusal::NoItems;
    }
    if (content.columns.size() < 2) {
        return PrintRefusal::NoColumns;
    }
    if (metrics.charWidth <= 0 || metrics.lineHeight <= 0) {
        return PrintRefusal::PageTooSmall;
    }
    const int pageWidth =
        (metrics.printableWidth - 2 * kIndentChars * metrics.charWidth) / metrics.charWidth;
    const int linesPerPage =
        (metrics.printableHeight - kFrameLines * metrics.lineHeight) / metrics.lineHeight;
    if (pageWidth <= 0 || linesPerPage <= 0) {
        return PrintRefusal::PageTooSmall;
    }
    PrintLayout layout(pageWidth, linesPerPage, content.rows.Count());
    for (std::size_t start = 0; start + 1 < content.columns.size();) {
        layout.bands_.push_back(layout.MakeBand(content.columns, start));
        start = layout.bands_.back().last;
    }
    return layout;
}

PrintLayout::Band PrintLayout::MakeBand(const std::vector<gb::app::ListColumn>& columns,
                                        std::size_t start) const {
    Band band{start + 1, start + 1, {}};
    for (std::size_t c = start + 1; c < columns.size(); ++c) {
        const std::string title =
            PadField(columns[c].title, PaddingFieldOf(columns[c]), PadPurpose::Print);
        const bool fits = band.header.size() + title.size() <= static_cast<std::size_t>(pageWidth_);
        if (c != start + 1 && !fits) {
            break;
        }
        band.header += title;
        band.header += ' ';
        band.last = c;
    }
    return band;
}

int PrintLayout::RowPages() const {
    const auto lines = static_cast<std::size_t>(linesPerPage_);
    return std::max(1, static_cast<int>((itemCount_ + lines - 1) / lines));
}

PageSpan PrintLayout::PagesOf(PageSpan wanted) const {
    return {std::max(1, wanted.first),
            wanted.last > 0 ? std::min(wanted.last, PageCount()) : PageCount()};
}

std::string PrintLayout::RowLine(const PrintContent& content, const Band& band, std::size_t row) {
    return JoinColumns(content.columns, band, [&](std::size_t column) {
        // A tab or line break in a field (an address of several lines) would
        // move every column after it: printed as blanks, as the export does.
        std::string text = content.rows.Cell(row, column);
        std::replace_if(
            text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20; },
            ' ');
        return text;
    });
}

std::string PrintLayout::TotalsLine(const PrintContent& content, const Band& band) {
    return JoinColumns(content.columns, band, [&](std::size_t index) {
        const gb::app::ListColumn& column = content.columns[index];
        std::string total;
        if (!column.IsFeeEntry()) {
            content.totals.GetColumnTotal(column.FieldId(), total);
        }
        return total;
    });
}

std::vector<PrintLine> PrintLayout::PageLines(const PrintContent& content, int page) const {
    const int bandCount = static_cast<int>(bands_.size());
    if (page < 1 || page > PageCount()) {
        return {};
    }
    const int bandIndex = (page - 1) % bandCount;
    const Band& band = bands_[static_cast<std::size_t>(bandIndex)];
    const int block = (page + bandCount - 1) / bandCount - 1;
    const std::size_t first =
        static_cast<std::size_t>(block) * static_cast<std::size_t>(linesPerPage_);
    const std::size_t last =
        std::min(first + static_cast<std::size_t>(linesPerPage_), itemCount_) - 1;

    std::vector<PrintLine> lines;
    if (bandIndex == 0) {
        lines.push_back({1, content.description.empty() ? kDefaultTitle : content.description});
    }
    const std::string rule(static_cast<std::size_t>(pageWidth_), '-');
    lines.push_back({3, band.header});
    lines.push_back({4, rule});
    int y = 4;
    for (std::size_t row = first; row <= last; ++row) {
        lines.push_back({++y, RowLine(content, band, row)});
    }
    lines.push_back({++y, rule});
    if (last + 1 < itemCount_) {
        lines.push_back({y + 2, "Page: " + std::to_string(page)});
    } else {
        lines.push_back({y + 1, TotalsLine(content, band)});
        if (bandIndex == 0) {
            lines.push_back({y + 2, "Number of Items: " + std::to_string(itemCount_)});
        }
    }
    return lines;
}

}  // namespace gb::app
