#include "app/core/items/ItemSearch.h"

#include <array>

#include "app/core/UiStrings.h"
#include "itemdb/AucDoc.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderKind.h"

using gb::itemdb::CItemFilter;
namespace field = gb::itemdb::field;
namespace folder = gb::itemdb::folder;

namespace gb::app {

namespace {

constexpr std::array<int, 13> kSearchFields = {
    field::Description, field::AuctionId,    field::ShippingAddress, field::ShippingMethod,
    field::BuyerId,     field::Email,        field::PaymentMethod,   field::ItemNote,
    field::PayNote,     field::ShippingNote, field::FeeNote,         field::InvoiceNote,
    field::ChargeNote};

}  // namespace

std::span<const int> SearchFields() {
    return kSearchFields;
}

std::optional<std::string> SearchTextOf(std::string_view typed) {
    constexpr std::string_view kBlanks = " \t\r\n";
    const std::size_t first = typed.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(typed.substr(first, typed.find_last_not_of(kBlanks) - first + 1));
}

CItemFilter SearchFilter(SearchScope scope, const CItemFilter* folderFilter, int fieldId,
                         std::string_view text) {
    CItemFilter filter =
        scope == SearchScope::CurrentFolder ? CItemFilter::ForFolder(folderFilter) : CItemFilter();
    filter.SetSearch(fieldId, text);
    return filter;
}

int FindNextMatch(int startRow, int rowCount, const RowMatch& matches) {
    if (rowCount <= 0) {
        return -1;
    }
    if (startRow < 0) {
        return startRow;
    }
    for (int row = startRow >= rowCount ? 0 : startRow; row < rowCount; ++row) {
        if (matches(row)) {
            return row;
        }
    }
    return -1;
}

FolderMatch FindInFolder(int focusedRow, int rowCount, const RowMatch& matches) {
    if (FindNextMatch(0, rowCount, matches) < 0) {
        return {-1, string_id::NoSearchMatch};
    }
    int found = FindNextMatch(focusedRow < 0 ? 0 : focusedRow + 1, rowCount, matches);
    if (found < 0) {
        found = FindNextMatch(0, rowCount, matches);
    }
    if (found == focusedRow) {
        return {found, string_id::OnlySearchMatch};
    }
    return {found, std::nullopt};
}

std::string SearchDescription(int fieldId, std::string_view text) {
    return "Items where " + UiText(fieldId) + " contains '" + std::string(text) + "'";
}

bool FileSearchResults(gb::itemdb::CAucDoc& document, const CItemFilter& filter,
                       std::string_view description) {
    // The folder is the one on display by the time its new criteria are
    // announced, so that the list shows what they find.
    if (!document.SelectFolder(folder::SearchResults)) {
        return false;
    }
    gb::itemdb::CFolderTree& tree = document.EditFolders();
    tree.FindNode(folder::SearchResults);
    tree.SetCurDescription(description);
    tree.SetCurFilter(filter);
    return true;
}

}  // namespace gb::app
