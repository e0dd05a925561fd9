#include "sites/BuyerPageReader.h"

#include <string>

#include "sites/HtmlParser.h"

namespace gb::sites {

namespace {

constexpr std::string_view kRow = "<tr>";
constexpr std::string_view kRowEnd = "</tr>";
constexpr std::string_view kCell = "<td>";
constexpr std::string_view kCellEnd = "</td>";
constexpr std::string_view kAnchor = "<a>";
constexpr std::string_view kAnchorEnd = "</a>";
constexpr std::string_view kBuyerRowKey = "ReturnUserEmail";
constexpr std::string_view kWhiteSpace = " \t\r\n\f\v";

// Leaves the cursor inside the buyer row; false when the page has none.
bool EnterBuyerRow(CHtmlParser& page) {
    while (page.EnterTag(kRow, kRowEnd)) {
        if (page.Find(kBuyerRowKey)) {
            return true;
        }
        if (!page.Leave(kRowEnd)) {
            return false;
        }
    }
    return false;
}

void SkipCell(CHtmlParser& page) {
    page.EnterTag(kCell, kCellEnd);
    page.Leave(kCellEnd);
}

// The next anchor's text; without one the cursor stays where it is and the
// text is the rest of the current element.
std::string NextAnchorText(CHtmlParser& page) {
    page.EnterTag(kAnchor, kAnchorEnd);
    std::string text = page.GetText();
    page.Leave(kAnchorEnd);
    return text;
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kWhiteSpace);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kWhiteSpace) - first + 1);
}

}  // namespace

void ReadBuyerPage(std::string_view page, SiteRow& row) {
    if (page.empty()) {
        return;
    }
    CHtmlParser cursor(page);
    if (!EnterBuyerRow(cursor)) {
        return;
    }
    SkipCell(cursor);

    cursor.EnterTag(kCell, kCellEnd);
    row.bidder = NextAnchorText(cursor);
    row.rating = NextAnchorText(cursor);
    if (cursor.Find("<br>", true) && cursor.EnterTag(kAnchor, kAnchorEnd)) {
        cursor.Enter("(", ")");
        row.mail = cursor.GetText();
        cursor.Leave(")");
        cursor.Leave(kAnchorEnd);
    }
    cursor.Leave(kCellEnd);

    for (int cell = 3; cell <= 5; ++cell) {
        SkipCell(cursor);
    }
    cursor.EnterTag(kCell, kCellEnd);
    row.buyerLocation = Trimmed(cursor.GetText());
    cursor.Leave(kCellEnd);
}

}  // namespace gb::sites
