#pragma once
// The item list as a fixed-pitch text report: the columns that do not fit the
// page width go to further bands, each band's pages repeat the blocks of rows,
// and every page is a few lines of text at whole line heights. The painter
// only draws these lines.

#include <cstddef>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "app/core/ListColumns.h"
#include "app/core/print/PrintedRows.h"
#include "itemdb/ItemTotals.h"

namespace gb::app {

// The printable area and the print font's sizes, in the printer's units.
struct PrintMetrics {
    int printableWidth = 0;
    int printableHeight = 0;
    int lineHeight = 0;  // the font's height and its leading
    int charWidth = 0;   // the font's average character width
};

enum class PrintRefusal {
    NoItems,       // the folder shows no rows
    NoColumns,     // the list has only its icon column
    PageTooSmall,  // not one row or not one character fits the page
};

// The message a refusal shows.
std::string RefusalText(PrintRefusal refusal);

// One line of a page: `line` counts line heights from the top of the
// printable area (the title is on line 1); every line starts at the indent.
struct PrintLine {
    int line = 0;
    std::string text;

    bool operator==(const PrintLine&) const = default;
};

// The pages a print dialog chose: from `first` to `last`, 0 for no limit.
struct PageSpan {
    int first = 0;
    int last = 0;

    bool operator==(const PageSpan&) const = default;
};

// What is printed: the list as displayed when the print command started,
// copied, rows and totals alike, so that every page painted (a preview
// repaints them as often as the user zooms) shows that same list.
struct PrintContent {
    PrintContent(std::string folderDescription, std::vector<gb::app::ListColumn> listColumns,
                 const ListRows& shownRows, const gb::itemdb::CItemTotals& folderTotals)
        : description(std::move(folderDescription)),
          columns(std::move(listColumns)),
          rows(shownRows, columns),
          totals(folderTotals) {}

    std::string description;                   // the folder's description
    std::vector<gb::app::ListColumn> columns;  // the list's columns, the icon column first
    PrintedRows rows;                          // the rows' texts in these columns
    gb::itemdb::CItemTotals totals;            // of the folder's items
};

class PrintLayout {
public:
    static constexpr int kIndentChars = 5;
    // Lines of the page besides the rows: title, header, rules, totals, ...
    static constexpr int kFrameLines = 9;

    struct Band {
        std::size_t first = 0;  // columns, indices into PrintContent::columns
        std::size_t last = 0;
        std::string header;
    };

    // Lays out the content for pages of the given measures, or says why it
    // cannot be printed.
    static std::variant<PrintLayout, PrintRefusal> Make(const PrintContent& content,
                                                        const PrintMetrics& metrics);

    int PageWidth() const { return pageWidth_; }  // in characters
    int LinesPerPage() const { return linesPerPage_; }
    const std::vector<Band>& Bands() const { return bands_; }
    int RowPages() const;
    int PageCount() const { return RowPages() * static_cast<int>(bands_.size()); }
    // The pages of the span that exist; first > last when none does.
    PageSpan PagesOf(PageSpan wanted) const;

    // The lines of page `page` (from 1 to PageCount()).
    std::vector<PrintLine> PageLines(const PrintContent& content, int page) const;

private:
    PrintLayout(int pageWidth, int linesPerPage, std::size_t itemCount)
        : pageWidth_(pageWidth), linesPerPage_(linesPerPage), itemCount_(itemCount) {}

    // The band that starts after column `start`: as many columns as fit the
    // page width, at least one.
    Band MakeBand(const std::vector<gb::app::ListColumn>& columns, std::size_t start) const;
    static std::string RowLine(const PrintContent& content, const Band& band, std::size_t row);
    static std::string TotalsLine(const PrintContent& content, const Band& band);

    int pageWidth_;
    int linesPerPage_;
    std::size_t itemCount_;
    std::vector<Band> bands_;
};

}  // namespace gb::app
