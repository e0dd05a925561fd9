#pragma once
// All items of a profile, by value, in four state lists kept in key order (in
// progress 102, ended 103, archive 107, deleted 110), plus the display list:
// the items of the folder on display, as admitted by a copy of its filter,
// with their totals. The profile document owns exactly one; the list view
// walks the display list, the item sheet replaces and moves items through it,
// and a site update merges retrieved rows into it. Only the user-interface
// thread touches it.
//
// List codes name the state lists: 102, 103 (104 is taken as ended too), 107
// and 110; for FindItem, 0 or 105 mean all four, searched in the order in
// progress, ended, archive, deleted.
//
// The display list and its totals describe each other at all times: the
// totals are those of the displayed items. Merging a row makes the display
// stale: it then shows nothing and its totals are 0 until SetFilter rebuilds
// it, so that no display entry can outlive an item the merge replaced.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemTotals.h"
#include "itemdb/RetrievedRow.h"
#include "itemdb/StateList.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class CItemList {
public:
    // A place in the display list: what the list view keeps as a row's item.
    // It stays valid until the display list is rebuilt, emptied or made stale;
    // a position from before that, or one whose entry was removed, finds no
    // item. The default position is none.
    class DisplayPos {
    public:
        DisplayPos() = default;
        bool IsNone() const { return generation_ == 0; }
        bool operator==(const DisplayPos&) const = default;

    private:
        friend class CItemList;
        DisplayPos(std::uint64_t generation, std::size_t index)
            : generation_(generation), index_(index) {}

        std::uint64_t generation_ = 0;
        std::size_t index_ = 0;
    };

    // A place in a state list, as FindItem reports it: the item found, or the
    // one before which the key belongs; none when it belongs at the end. Valid
    // until that item leaves its list.
    class ListPos {
    public:
        ListPos() = default;
        // The state list searched (the last one searched for code 0).
        std::int32_t GetList() const { return list_; }
        bool IsNone() const { return item_ == nullptr; }

    private:
        friend class CItemList;
        ListPos(std::int32_t list, const CAucItem* item) : list_(list), item_(item) {}

        std::int32_t list_ = 0;
        const CAucItem* item_ = nullptr;
    };

    static constexpr std::int32_t kAllLists = 0;

    CItemList();
    CItemList(const CItemList&) = delete;
    CItemList& operator=(const CItemList&) = delete;

    // Finding and adding.
    // Whether the list (or all four) holds the key (site and auction ID, both
    // ignoring case).
    bool FindItem(std::string_view site, std::string_view auctionId, ListPos* position = nullptr,
                  std::int32_t listCode = kAllLists) const;
    // The item at a state-list position; none for the end position.
    const CAucItem* GetItem(const ListPos& position) const { return position.item_; }
    // Stores a copy of the item, with the list's state, in the state list;
    // false when that list already holds the key or the code names no state list.
    bool AddItem(const CAucItem& item, std::int32_t listCode);
    // Adds the item as AddItem does and, when the folder on display admits it
    // (MatchFolder), appends it to the display list and its totals and gives
    // its display position. None when it was not added or is not displayed.
    // Callers make the key unique first with MakeUniqueId.
    DisplayPos AddNewItem(const CAucItem& item, std::int32_t listCode);
    // Stores an edited copy of the displayed item over it and tests it against
    // the filter again; true when it is still displayed, false when it left
    // the display list (or the position finds no item). The stored item keeps
    // its key and state: an edit can change neither.
    bool ReplaceItem(const CAucItem& edited, DisplayPos position);
    // Moves the displayed item to another state list; true when it is still
    // displayed. Moving to a list that already holds the key (its own list
    // included), or to a code that names no state list, changes nothing and
    // gives true. False when the position finds no item.
    bool MoveItem(DisplayPos position, std::int32_t targetList);

    // The folder on display.
    // Copies the filter and rebuilds the display list and its totals: the
    // admitted items of the in-progress, ended, archive and deleted lists, in
    // this order, each list in key order. The cursor goes back to none.
    void SetFilter(const CItemFilter& filter);
    const CItemFilter& GetFilter() const { return filter_; }
    // Whether the folder on display admits the item in this list: the filter's
    // state mask for the four list codes, then CItemFilter::Match.
    bool MatchFolder(const CAucItem& item, std::int32_t listCode) const;
    const CItemTotals& GetTotals() const { return totals_; }
    // True after a merge until the next SetFilter.
    bool IsDisplayStale() const { return displayStale_; }

    // Walking the display list.
    bool MoveFirst();
    bool MoveNext();
    DisplayPos GetCurrentPos() const;
    // The item of a display entry, or of the cursor's entry for none; no item
    // for a position that finds none.
    const CAucItem* GetItemAt(DisplayPos position) const;
    const CAucItem* GetItemAt() const { return GetItemAt(DisplayPos()); }

    // Whether the key is free in all four lists. With `unique`, it also
    // receives the auction ID when free, else the first free "%s-%d" of the
    // ID's base (the ID up to its last '-' unless that is its first character)
    // and 1, 2, ..., cut to its last 20 characters.
    bool MakeUniqueId(std::string_view site, std::string_view auctionId,
                      std::string* unique = nullptr) const;

    // Folds one retrieved row into the lists: `site`, `storageFolder` and
    // `timeZoneHours` come from the seller entry the row was retrieved for.
    // Leaves the display stale.
    void MergeRow(std::string_view site, const RetrievedRow& row, std::int32_t storageFolder,
                  std::int32_t timeZoneHours);

    // A state list by its code (104 included); none for other codes.
    const StateList* GetStateList(std::int32_t listCode) const;

    bool IsModified() const { return modified_; }
    // Empties every list, the display and the totals; clears the modified flag.
    void RemoveAll();

    // Takes over the items of another list, appended to this list's as
    // loading appends them, and its modified flag; the other list is left
    // empty. The display is emptied.
    void TakeItems(CItemList& other);

    // The in-progress, ended and archive lists, each as a count and its item
    // records; the deleted list is never stored. Loading appends to the lists
    // and leaves them untouched when the archive is malformed. Both directions
    // clear the modified flag.
    void Serialize(gb::Archive& ar);

private:
    struct DisplayEntry {
        std::int32_t list = 0;  // 0: removed from the display
        StateList::ConstNode node;
    };
    static constexpr std::size_t kNoEntry = std::numeric_limits<std::size_t>::max();

    static bool FindInList(const StateList& list, std::string_view site, std::string_view auctionId,
                           ListPos* position);
    StateList* ListOf(std::int32_t listCode);
    const StateList* ListOf(std::int32_t listCode) const;
    DisplayEntry* EntryAt(DisplayPos position);
    const DisplayEntry* EntryAt(DisplayPos position) const;
    std::size_t NextEntry(std::size_t from) const;
    DisplayPos Display(std::int32_t list, StateList::ConstNode node);
    // Empties the display list and its totals and ends every display position.
    void ClearDisplay();
    void Load(gb::Archive& ar);

    CItemTotals totals_;
    std::size_t cursor_ = kNoEntry;
    bool modified_ = false;
    CItemFilter filter_;
    StateList ended_;
    StateList inProgress_;
    StateList archive_;
    StateList deleted_;
    std::vector<DisplayEntry> display_;
    std::uint64_t displayGeneration_ = 1;
    bool displayStale_ = false;
};

}  // namespace gb::itemdb
