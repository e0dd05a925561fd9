#pragma once
// Item Search: items whose chosen text field contains a search text, found
// row by row in the folder on display ("Find Next", wrapping round at the
// end) or over the whole profile, filed as the folder "Search Results".

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "itemdb/ItemFilter.h"

namespace gb::itemdb {
class CAucDoc;
}  // namespace gb::itemdb

namespace gb::app {

enum class SearchScope { CurrentFolder, AllFolders };

// The fields a search offers, in the order of its list; Description first.
std::span<const int> SearchFields();

// The text a search looks for: the typed text without blanks on either side;
// none when nothing is left.
std::optional<std::string> SearchTextOf(std::string_view typed);

// The filter of a search: in the current folder a copy of the folder's filter
// (none: a folder without items, which matches nothing), over all folders one
// that admits every item; either with the search field and text.
gb::itemdb::CItemFilter SearchFilter(SearchScope scope, const gb::itemdb::CItemFilter* folderFilter,
                                     int fieldId, std::string_view text);

// Whether the item of a row matches.
using RowMatch = std::function<bool(int row)>;

// From `startRow` down, the first row that matches; -1 when none does or the
// list is empty. A start at or beyond the last row starts at row 0; a
// negative start is given back as it is.
int FindNextMatch(int startRow, int rowCount, const RowMatch& matches);

// What Find Next came to: the row to select (-1 for none) and the message
// to show (a string ID), if any.
struct FolderMatch {
    int row = -1;
    std::optional<int> message;
};

// Find Next in the folder on display: the first match after the focused row
// (from row 0 without one), wrapping round to the top; 59433 when no row
// matches, 59444 when the focused row is the only match.
FolderMatch FindInFolder(int focusedRow, int rowCount, const RowMatch& matches);

// "Items where <field name> contains '<text>'".
std::string SearchDescription(int fieldId, std::string_view text);

// Said when the profile has no "Search Results" folder.
inline constexpr std::string_view kSearchResultsMissing =
    "This profile has no Search Results folder, so the items found cannot be shown.";

// Selects "Search Results", then gives it the filter and description of an
// all-folders search. False, and the profile unchanged, when it has no such
// folder.
bool FileSearchResults(gb::itemdb::CAucDoc& document, const gb::itemdb::CItemFilter& filter,
                       std::string_view description);

}  // namespace gb::app
