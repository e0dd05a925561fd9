#pragma once
// What the item list shows of the folder on display: which folder it is, how
// much of it is loaded, and how its rows are sorted. The list view keeps the
// rows themselves, as item identities, and renders them; this decides which
// items they are and in which order.
//
// A folder of more than 400 items is loaded in part (its first 50 items)
// until the user clicks a column heading, which loads it whole and sorts it.
// Rows come in load order (by end time) until the user sorts them; a reload
// of the same folder (after an update merged rows, after its columns changed)
// keeps a whole load whole and the user's sort.
//
// Rows an update merges show with the next load: once the run pauses for a
// moment, and at the latest a second after the first row still waiting, so
// that a run whose rows keep coming shows them as it goes.

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace gb::itemdb {
class CAucItem;
class CFeeSchedule;
class CItemFilter;
class CItemList;
class FolderNameLookup;
}  // namespace gb::itemdb

namespace gb::app {

class ItemListController {
public:
    using Items = std::vector<const gb::itemdb::CAucItem*>;
    using Clock = std::chrono::steady_clock;

    // The pause in a run after which merged rows show, and the longest a
    // merged row waits.
    static constexpr std::chrono::milliseconds kMergedRowsPause{200};
    static constexpr std::chrono::milliseconds kMergedRowsLongestWait{1000};

    ItemListController(gb::itemdb::CItemList& items, gb::itemdb::CFeeSchedule& fees,
                       const gb::itemdb::FolderNameLookup& folders);

    // Remembers the folder to show; true when it is another folder than the
    // one shown, whose columns and rows must then be made anew. A new folder
    // loads in part again and in load order.
    bool ShowFolder(std::int32_t folderId);
    // Forgets the folder shown, so that the next ShowFolder counts as new.
    void ForgetFolder();
    std::optional<std::int32_t> ShownFolder() const { return shownFolder_; }

    // Puts the folder on display in the item list (`filter` null: a folder
    // without items) and gives the items to show, in the order to show them.
    // `whole`: every item, whatever the count.
    Items Load(const gb::itemdb::CItemFilter* filter, std::int32_t folderKind, bool whole);
    // Loads the shown folder again as it was last loaded: whole when it was,
    // in the user's sort when he sorted. The items of `shownBefore` (the rows
    // as shown until now) keep their order among equal values.
    Items Reload(const gb::itemdb::CItemFilter* filter, std::int32_t folderKind,
                 const Items& shownBefore = {});

    // The order of `rows` sorted by the field of a clicked column: ascending,
    // unless the rows already ascend by it, then descending. Indices into
    // `rows`; equal values keep their order.
    std::vector<std::size_t> SortByColumn(std::span<const gb::itemdb::CAucItem* const> rows,
                                          int sortField);

    // A row was merged at `now`: how long from now until the folder is to be
    // loaded again to show the rows merged so far. Each load shows them all.
    std::chrono::milliseconds RowMerged(Clock::time_point now);

    bool IsPartial() const { return partial_; }
    int SortField() const { return sortField_; }
    // 1 ascending, 0 descending.
    int SortDirection() const { return direction_; }

private:
    std::vector<std::size_t> SortOrder(std::span<const gb::itemdb::CAucItem* const> rows,
                                       int sortField, std::optional<int> direction);

    gb::itemdb::CItemList& items_;
    gb::itemdb::CFeeSchedule& fees_;
    const gb::itemdb::FolderNameLookup& folders_;
    std::optional<std::int32_t> shownFolder_;
    // When the first merged row not yet shown was merged.
    std::optional<Clock::time_point> mergedRowsWaitingSince_;
    bool partial_ = false;
    // The last load took every item because the user asked for them all.
    bool loadedWhole_ = false;
    bool sortedByUser_ = false;
    int sortField_ = 0;
    int direction_ = 0;
};

}  // namespace gb::app
