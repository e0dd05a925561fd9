#pragma once
// The criteria that select a folder's items: which state lists to look in, a
// date range on one chosen date, bids or no bids, up to 20 site and seller
// pairs, storage folders, statuses and categories, and a search text in one
// chosen field. Every item folder owns one; the item list keeps a copy of the
// filter of the folder on display.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "itemdb/FilterIdList.h"
#include "platform/Archive.h"
#include "platform/DateTime.h"

namespace gb::itemdb {

class CAucItem;

class CItemFilter {
public:
    static constexpr std::size_t kSlots = FilterIdList::kSlots;

    // State-mask bits of the four state lists.
    enum StateBit : std::int32_t {
        InProgressBit = 1,
        EndedBit = 2,
        ArchiveBit = 4,
        DeletedBit = 8,
        AllStates = 15,
    };

    // Which item date the date range tests.
    enum DateSelector : std::int32_t {
        StartDate = 0,
        EndDate = 1,  // with its time
        PayDate = 2,
        ShipDate = 3,
        Updated = 4,  // any other value tests the start date as well
    };

    // Every field at its reset value.
    CItemFilter() = default;
    // What shows a folder's items: a copy of `folderFilter`, or for a folder
    // without one (a null `folderFilter`) a filter that selects no items.
    static CItemFilter ForFolder(const CItemFilter* folderFilter);
    void Reset();

    std::int32_t GetStateMask() const { return stateMask_; }
    void SetStateMask(std::int32_t mask) { stateMask_ = mask; }

    // 0 any item, 112 only successful items, 113 only the others.
    std::int32_t GetBids() const { return bids_; }
    void SetBids(std::int32_t bids) { bids_ = bids; }

    std::int32_t GetDateSelector() const { return dateSelector_; }
    void SetDateSelector(std::int32_t selector) { dateSelector_ = selector; }

    // 0: the item must have ANY listed category; non-zero: ALL of them.
    std::int32_t GetCategoryMode() const { return categoryMode_; }
    void SetCategoryMode(std::int32_t mode) { categoryMode_ = mode; }

    // ID 0 empties the list. Otherwise the ID goes into the first slot that is
    // empty or already holds it; false when all 20 hold other IDs.
    bool AddStatus(std::int32_t statusId);
    bool AddCategory(std::int32_t categoryId);
    // ID 0 asks whether the list is empty.
    bool HasStatus(std::int32_t statusId) const;
    bool HasCategory(std::int32_t categoryId) const;
    bool RemoveCategory(std::int32_t categoryId) { return categories_.Remove(categoryId); }
    // Stores the ID in the first empty slot, without a test for duplicates.
    bool AddFolder(std::int32_t folderId) { return folders_.Append(folderId); }

    const FilterIdList& GetStatuses() const { return statuses_; }
    const FilterIdList& GetCategories() const { return categories_; }
    const FilterIdList& GetFolders() const { return folders_; }

    // No site empties all pairs. Otherwise the pair goes into the first slot
    // whose site is empty or that holds the same pair (ignoring case); false
    // when there is none.
    bool AddSeller(std::optional<std::string_view> site, std::string_view seller);
    // No site asks whether the pair list is empty. Otherwise the site must
    // match exactly and the seller ID ignoring case.
    bool HasSeller(std::optional<std::string_view> site, std::string_view seller) const;
    // The site and seller pairs before the first empty site.
    std::vector<std::pair<std::string, std::string>> GetSellers() const;

    // A null `from` switches the date test off (both bounds become null first).
    // Refused when either bound is invalid, or when `from` is valid and `to`
    // is not later than it; the range is then unchanged.
    bool SetDateRange(const gb::DateTime& from, const gb::DateTime& to);
    const gb::DateTime& GetDateFrom() const { return fromDate_; }
    const gb::DateTime& GetDateTo() const { return toDate_; }
    // The bounds as date-only texts in the user's default locale.
    std::string GetDateFromText() const;
    std::string GetDateToText() const;

    // Accepts field 0 (no text test) and the searchable text fields; any other
    // field is refused and changes nothing.
    bool SetSearch(int fieldId, std::string_view text);
    int GetSearchField() const { return searchField_; }
    const std::string& GetSearchText() const { return searchText_; }
    static bool IsSearchableField(int fieldId);

    // Whether the item passes every criterion but the state mask, which the
    // item list applies.
    bool Match(const CAucItem& item) const;
    // The text test alone: the search text occurs in the item's text of the
    // search field, ignoring case.
    bool MatchText(const CAucItem& item) const;

    void Serialize(gb::Archive& ar);

    bool operator==(const CItemFilter&) const = default;

private:
    bool MatchSellers(const CAucItem& item) const;
    bool MatchDateRange(const CAucItem& item) const;
    bool MatchBids(const CAucItem& item) const;
    bool MatchCategoriesAndText(const CAucItem& item) const;
    std::size_t SellerCount() const;

    std::int32_t dateSelector_ = StartDate;
    std::int32_t categoryMode_ = 0;
    std::string searchText_;
    std::int32_t searchField_ = 0;
    std::int32_t stateMask_ = AllStates;
    FilterIdList statuses_;
    FilterIdList categories_;
    FilterIdList folders_;
    std::array<std::string, kSlots> siteNames_;
    std::array<std::string, kSlots> sellerIds_;
    gb::DateTime fromDate_;  // inclusive
    gb::DateTime toDate_;    // exclusive
    std::int32_t bids_ = 0;
};

}  // namespace gb::itemdb
