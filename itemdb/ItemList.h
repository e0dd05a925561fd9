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
// totals are those of the displayed items. A merged row keeps them so: the
// item it updates or files enters, stays in or leaves the display as the
// folder's filter decides, and an item it destroys leaves first.
//
// Items are named by their identity (ItemId), never by a place in a list, so
// that what a view holds survives sorting, rebuilds and merges. The list
// announces its changes through the document's events: an item added
// (AddNewItem), stored anew (ReplaceItem), moved (MoveItem), a row merged
// (MergeRow) and an item a merge destroys.

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "itemdb/AucItem.h"
#include "itemdb/DocumentEvent.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/ItemTotals.h"
#include "itemdb/RetrievedRow.h"
#include "itemdb/StateList.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class DocumentEvents;
class RowMerge;

class CItemList {
public:
    // An item's identity: its key (site and auction ID) and the state list it
    // was last seen in. It outlives sorting, display rebuilds, merges and
    // moves to other lists; it finds no item once no list holds the key, or,
    // for an item last seen in Deleted Items, once that list no longer holds
    // it (a merge files a new item under the key). What the list view keeps as
    // a row's item and what commands carry across a dialog. The default
    // identity is none.
    class ItemId {
    public:
        ItemId() = default;
        bool IsNone() const { return list_ == 0; }
        const std::string& GetSite() const { return site_; }
        const std::string& GetAuctionId() const { return auctionId_; }

    private:
        friend class CItemList;
        ItemId(const CAucItem& item, std::int32_t list)
            : site_(item.GetSite()), auctionId_(item.GetAuctionId()), list_(list) {}

        std::string site_;
        std::string auctionId_;
        std::int32_t list_ = 0;
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

    // Where the list announces the changes of its items; none by default.
    void SetEvents(DocumentEvents* events) { events_ = events; }

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
    // its identity. None when it was not added or is not displayed. Callers
    // make the key unique first with MakeUniqueId.
    ItemId AddNewItem(const CAucItem& item, std::int32_t listCode);
    // Stores an edited copy of the item over it and tests it against the
    // filter again; true when the folder on display still admits it, false
    // when it left the display list (or no list holds the item). The stored
    // item keeps its key and state: an edit can change neither.
    bool ReplaceItem(const CAucItem& edited, const ItemId& item);
    // Stores an edit made on a copy of the item: only the fields in which
    // `edited` differs from `original`, the copy as it was before the edit,
    // go onto the item as it is now (CAucItem::TakeEdits), so that whatever
    // changed it meanwhile stays. Then as ReplaceItem.
    bool StoreEdit(const CAucItem& original, const CAucItem& edited, const ItemId& item);
    // Moves the item to another state list; true when the folder on display
    // still admits it. Moving to a list that already holds the key (its own
    // list included), or to a code that names no state list, changes nothing
    // and gives true. False when no list holds the item.
    bool MoveItem(const ItemId& item, std::int32_t targetList);

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

    // Walking the display list.
    bool MoveFirst();
    bool MoveNext();
    // The identity of the cursor's item; none at the end.
    ItemId GetCurrentId() const;
    // The item of the cursor's entry; none at the end.
    const CAucItem* GetItemAt() const;

    // The item with this identity, in whatever list it is now; none when no
    // list holds it (or for none).
    const CAucItem* GetItemAt(const ItemId& item) const;
    // The identity of an item of these lists.
    ItemId IdOf(const CAucItem& item) const { return ItemId(item, item.GetState()); }
    // Counts the changes after which an item found earlier may no longer be
    // where it was: an item's address stays valid while this number stays.
    std::uint64_t GetRevision() const { return revision_; }

    // Whether the key is free in all four lists. With `unique`, it also
    // receives the auction ID when free, else the first free "%s-%d" of the
    // ID's base (the ID up to its last '-' unless that is its first character)
    // and 1, 2, ..., cut to its last 20 characters.
    bool MakeUniqueId(std::string_view site, std::string_view auctionId,
                      std::string* unique = nullptr) const;

    // Folds one retrieved row into the lists: `site`, `storageFolder` and
    // `timeZoneHours` come from the seller entry the row was retrieved for.
    // The display list and its totals follow the item.
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
    // A displayed item: its list code (0 once it left the display) and the
    // item itself, whose address stays while it is in any list.
    struct DisplayEntry {
        std::int32_t list = 0;
        const CAucItem* item = nullptr;
    };
    // Where an item is: its list and its node there.
    struct Location {
        StateList* list = nullptr;
        StateList::ConstNode node;
    };
    static constexpr std::size_t kNoEntry = std::numeric_limits<std::size_t>::max();

    static bool FindInList(const StateList& list, std::string_view site, std::string_view auctionId,
                           ListPos* position);
    StateList* ListOf(std::int32_t listCode);
    const StateList* ListOf(std::int32_t listCode) const;
    // The item's list and node: the list it was last seen in first, then all
    // four in search order.
    std::optional<Location> Locate(const ItemId& item) const;
    // The display entry of an item; none when it is not displayed.
    DisplayEntry* EntryOf(const CAucItem& item);
    std::size_t NextEntry(std::size_t from) const;
    void Display(std::int32_t list, const CAucItem& item);
    void Announce(DocumentEvent::Kind kind, const CAucItem& item) const;
    // Before a merge changes an item: takes it out of the totals when it is
    // displayed, and gives its display entry.
    DisplayEntry* Withdraw(const CAucItem& item);
    // After a merge changed or filed an item in `list`: it shows, and counts,
    // when the folder on display admits it.
    void Redisplay(const CAucItem& item, std::int32_t list, DisplayEntry* entry);
    // A merge took the item out of its list: it leaves the display and its
    // totals for good, then its removal is announced.
    void Forget(const CAucItem& item);
    // Files a retrieved row's item: updates the known item or files a new
    // one; gives the item.
    const CAucItem& FileMergedRow(std::string_view site, std::string_view auctionId,
                                  const RowMerge& merge);
    // Empties the display list and its totals.
    void ClearDisplay();
    // Items may have gone from the lists: addresses found before are void.
    void Revise() { ++revision_; }
    void Load(gb::Archive& ar);

    DocumentEvents* events_ = nullptr;
    CItemTotals totals_;
    std::size_t cursor_ = kNoEntry;
    bool modified_ = false;
    CItemFilter filter_;
    StateList ended_;
    StateList inProgress_;
    StateList archive_;
    StateList deleted_;
    std::vector<DisplayEntry> display_;
    // The display entry of each displayed item, made when first needed.
    std::unordered_map<const CAucItem*, std::size_t> entryOfItem_;
    std::uint64_t revision_ = 0;
};

}  // namespace gb::itemdb
