#include "itemdb/ItemList.h"

#include <array>
#include <utility>

#include "itemdb/DocumentEvents.h"
#include "itemdb/FolderKind.h"
#include "itemdb/RowMerge.h"

namespace gb::itemdb {

namespace {

// Accepted as the ended list.
constexpr std::int32_t kEndedAlias = 104;
// Accepted as all four lists.
constexpr std::int32_t kAllListsAlias = 105;

// The order in which the lists are searched and displayed.
constexpr std::array<std::int32_t, 4> kListOrder = {folder::InProgress, folder::AuctionEnded,
                                                    folder::Archive, folder::DeletedItems};

// An auction ID made unique is cut to this many characters, from the end.
constexpr std::size_t kMaxUniqueIdLength = 20;

// The fewest bytes an item record takes in any readable version: four int32,
// fifteen texts of at least their length byte, five dates and ten amounts.
constexpr std::size_t kMinItemRecordBytes = 4 * 4 + 15 * 1 + 5 * 12 + 10 * 12;

// The state-mask bit of a list code; 0 for codes that name no state list.
std::int32_t StateBitOf(std::int32_t listCode) {
    switch (listCode) {
        case folder::InProgress:
            return CItemFilter::InProgressBit;
        case folder::AuctionEnded:
            return CItemFilter::EndedBit;
        case folder::Archive:
            return CItemFilter::ArchiveBit;
        case folder::DeletedItems:
            return CItemFilter::DeletedBit;
        default:
            return 0;
    }
}

}  // namespace

CItemList::CItemList()
    : ended_(folder::AuctionEnded),
      inProgress_(folder::InProgress),
      archive_(folder::Archive),
      deleted_(folder::DeletedItems) {}

StateList* CItemList::ListOf(std::int32_t listCode) {
    switch (listCode) {
        case folder::InProgress:
            return &inProgress_;
        case folder::AuctionEnded:
        case kEndedAlias:
            return &ended_;
        case folder::Archive:
            return &archive_;
        case folder::DeletedItems:
            return &deleted_;
        default:
            return nullptr;
    }
}

const StateList* CItemList::ListOf(std::int32_t listCode) const {
    return const_cast<CItemList*>(this)->ListOf(listCode);
}

const StateList* CItemList::GetStateList(std::int32_t listCode) const {
    return ListOf(listCode);
}

bool CItemList::FindItem(std::string_view site, std::string_view auctionId, ListPos* position,
                         std::int32_t listCode) const {
    if (listCode == kAllLists || listCode == kAllListsAlias) {
        for (const std::int32_t code : kListOrder) {
            if (FindInList(*ListOf(code), site, auctionId, position)) {
                return true;
            }
        }
        return false;
    }
    if (const StateList* list = ListOf(listCode)) {
        return FindInList(*list, site, auctionId, position);
    }
    if (position != nullptr) {
        *position = ListPos();
    }
    return false;
}

bool CItemList::FindInList(const StateList& list, std::string_view site, std::string_view auctionId,
                           ListPos* position) {
    const StateList::Place<StateList::ConstNode> place = list.Find(site, auctionId);
    if (position != nullptr) {
        *position = ListPos(list.Code(), list.ItemAt(place.node));
    }
    return place.found;
}

bool CItemList::AddItem(const CAucItem& item, std::int32_t listCode) {
    StateList* list = ListOf(listCode);
    if (list == nullptr || !list->Add(item)) {
        return false;
    }
    modified_ = true;
    return true;
}

CItemList::ItemId CItemList::AddNewItem(const CAucItem& item, std::int32_t listCode) {
    StateList* list = ListOf(listCode);
    const std::optional<StateList::Node> node = list ? list->Add(item) : std::nullopt;
    if (!node) {
        return {};
    }
    modified_ = true;
    const CAucItem& added = StateList::ItemOf(*node);
    const bool admitted = MatchFolder(added, list->Code());
    if (admitted) {
        Display(list->Code(), added);
    }
    Announce(DocumentEvent::Kind::ItemAdded, added);
    return admitted ? IdOf(added) : ItemId();
}

std::optional<CItemList::Location> CItemList::Locate(const ItemId& item) const {
    if (item.IsNone()) {
        return std::nullopt;
    }
    const auto find = [&item](const StateList* list) -> std::optional<Location> {
        if (list == nullptr) {
            return std::nullopt;
        }
        const auto place = list->Find(item.site_, item.auctionId_);
        if (!place.found) {
            return std::nullopt;
        }
        return Location{const_cast<StateList*>(list), place.node};
    };
    if (auto seen = find(ListOf(item.list_))) {
        return seen;
    }
    // A merge takes a deleted item out of Deleted Items and files a new item
    // under its key: that is another item.
    if (item.list_ == folder::DeletedItems) {
        return std::nullopt;
    }
    for (const std::int32_t code : kListOrder) {
        if (auto found = find(ListOf(code))) {
            return found;
        }
    }
    return std::nullopt;
}

CItemList::DisplayEntry* CItemList::EntryOf(const CAucItem& item) {
    if (entryOfItem_.empty() && !display_.empty()) {
        entryOfItem_.reserve(display_.size());
        for (std::size_t i = 0; i < display_.size(); ++i) {
            // An entry that left the display may name an item gone since.
            if (display_[i].list != 0) {
                entryOfItem_.emplace(display_[i].item, i);
            }
        }
    }
    const auto found = entryOfItem_.find(&item);
    if (found == entryOfItem_.end() || display_[found->second].list == 0) {
        return nullptr;
    }
    return &display_[found->second];
}

bool CItemList::ReplaceItem(const CAucItem& edited, const ItemId& id) {
    const std::optional<Location> location = Locate(id);
    if (!location) {
        return false;
    }
    const CAucItem& stored = StateList::ItemOf(location->node);
    DisplayEntry* entry = EntryOf(stored);
    if (entry != nullptr) {
        totals_.RemoveItem(stored);
    }
    location->list->Update(location->node, [&edited](CAucItem& item) {
        CAucItem replacement = edited;
        replacement.SetSite(item.GetSite());
        replacement.SetAuctionId(item.GetAuctionId());
        item = std::move(replacement);
    });
    modified_ = true;

    const bool admitted = MatchFolder(stored, location->list->Code());
    if (entry != nullptr) {
        if (admitted) {
            totals_.AddItem(stored);
        } else {
            entry->list = 0;
        }
    }
    Announce(DocumentEvent::Kind::ItemChanged, stored);
    return admitted;
}

bool CItemList::StoreEdit(const CAucItem& original, const CAucItem& edited, const ItemId& id) {
    const CAucItem* stored = GetItemAt(id);
    if (stored == nullptr) {
        return false;
    }
    CAucItem merged = *stored;
    merged.TakeEdits(original, edited);
    return ReplaceItem(merged, id);
}

bool CItemList::MoveItem(const ItemId& id, std::int32_t targetList) {
    const std::optional<Location> location = Locate(id);
    if (!location) {
        return false;
    }
    StateList* target = ListOf(targetList);
    const CAucItem& item = StateList::ItemOf(location->node);
    if (target == nullptr || target->Contains(item.GetSite(), item.GetAuctionId())) {
        return true;
    }
    DisplayEntry* entry = EntryOf(item);
    // The item itself moves, as a node, and keeps its address: its copy in
    // another list under the same key stays where it is.
    const CAucItem& moved =
        StateList::ItemOf(target->AdoptAlways(location->list->Detach(location->node)));
    modified_ = true;

    const bool admitted = MatchFolder(moved, target->Code());
    if (entry != nullptr) {
        if (admitted) {
            entry->list = target->Code();
        } else {
            totals_.RemoveItem(moved);
            entry->list = 0;
        }
    }
    Announce(DocumentEvent::Kind::ItemMoved, moved);
    return admitted;
}

void CItemList::SetFilter(const CItemFilter& filter) {
    filter_ = filter;
    ClearDisplay();
    std::vector<StateList*> shown;
    std::size_t most = 0;
    for (const std::int32_t code : kListOrder) {
        if ((filter_.GetStateMask() & StateBitOf(code)) != 0) {
            shown.push_back(ListOf(code));
            most += shown.back()->Size();
        }
    }
    display_.reserve(most);
    for (StateList* list : shown) {
        for (StateList::ConstNode node = list->begin(); node != list->end(); ++node) {
            if (filter_.Match(StateList::ItemOf(node))) {
                Display(list->Code(), StateList::ItemOf(node));
            }
        }
    }
}

bool CItemList::MatchFolder(const CAucItem& item, std::int32_t listCode) const {
    const std::int32_t bit = StateBitOf(listCode);
    if (bit != 0 && (filter_.GetStateMask() & bit) == 0) {
        return false;
    }
    return filter_.Match(item);
}

void CItemList::Announce(DocumentEvent::Kind kind, const CAucItem& item) const {
    if (events_ != nullptr) {
        events_->Raise(DocumentEvent::ForItem(kind, item));
    }
}

CItemList::DisplayEntry* CItemList::Withdraw(const CAucItem& item) {
    DisplayEntry* entry = EntryOf(item);
    if (entry != nullptr) {
        totals_.RemoveItem(item);
    }
    return entry;
}

void CItemList::Redisplay(const CAucItem& item, std::int32_t list, DisplayEntry* entry) {
    if (!MatchFolder(item, list)) {
        if (entry != nullptr) {
            entry->list = 0;
        }
    } else if (entry != nullptr) {
        entry->list = list;
        totals_.AddItem(item);
    } else {
        Display(list, item);
    }
}

void CItemList::Display(std::int32_t list, const CAucItem& item) {
    if (!entryOfItem_.empty()) {
        entryOfItem_.emplace(&item, display_.size());
    }
    display_.push_back({list, &item});
    totals_.AddItem(item);
}

void CItemList::ClearDisplay() {
    display_.clear();
    entryOfItem_.clear();
    totals_.Reset();
    cursor_ = kNoEntry;
}

std::size_t CItemList::NextEntry(std::size_t from) const {
    for (std::size_t i = from; i < display_.size(); ++i) {
        if (display_[i].list != 0) {
            return i;
        }
    }
    return kNoEntry;
}

bool CItemList::MoveFirst() {
    cursor_ = NextEntry(0);
    return cursor_ != kNoEntry;
}

bool CItemList::MoveNext() {
    if (cursor_ != kNoEntry) {
        cursor_ = NextEntry(cursor_ + 1);
    }
    return cursor_ != kNoEntry;
}

CItemList::ItemId CItemList::GetCurrentId() const {
    const CAucItem* item = GetItemAt();
    return item == nullptr ? ItemId() : IdOf(*item);
}

const CAucItem* CItemList::GetItemAt() const {
    return cursor_ == kNoEntry || display_[cursor_].list == 0 ? nullptr : display_[cursor_].item;
}

const CAucItem* CItemList::GetItemAt(const ItemId& item) const {
    const std::optional<Location> location = Locate(item);
    return location ? &StateList::ItemOf(location->node) : nullptr;
}

bool CItemList::MakeUniqueId(std::string_view site, std::string_view auctionId,
                             std::string* unique) const {
    const bool free = !FindItem(site, auctionId);
    if (unique == nullptr) {
        return free;
    }
    *unique = auctionId;
    if (free) {
        return true;
    }
    const std::size_t dash = auctionId.rfind('-');
    const std::string base(dash == std::string_view::npos || dash == 0 ? auctionId
                                                                       : auctionId.substr(0, dash));
    // The candidates all differ (each ends in '-' and its own number), so one
    // of the first (number of items + 1) is free.
    for (std::size_t n = 1;; ++n) {
        std::string candidate = base + '-' + std::to_string(n);
        if (candidate.size() > kMaxUniqueIdLength) {
            candidate.erase(0, candidate.size() - kMaxUniqueIdLength);
        }
        if (!FindItem(site, candidate)) {
            *unique = std::move(candidate);
            return false;
        }
    }
}

void CItemList::MergeRow(std::string_view site, const RetrievedRow& row, std::int32_t storageFolder,
                         std::int32_t timeZoneHours) {
    const RowMerge merge(site, row, storageFolder, timeZoneHours);
    modified_ = true;
    const CAucItem& merged = FileMergedRow(site, row.item, merge);
    // The merge may have destroyed an item: addresses found before are void.
    Revise();
    Announce(DocumentEvent::Kind::RowMerged, merged);
}

const CAucItem& CItemList::FileMergedRow(std::string_view site, std::string_view auctionId,
                                         const RowMerge& merge) {
    // A fresh item for the row, filed by its status and shown when the folder
    // on display admits it; none when that list holds the key already.
    const auto fileNewItem = [this, &merge]() -> const CAucItem* {
        CAucItem item = merge.NewItem();
        merge.Apply(item, true);
        StateList& list = item.GetStatus() == folder::InProgress ? inProgress_ : ended_;
        const std::optional<StateList::Node> node = list.Add(item);
        if (!node) {
            return nullptr;
        }
        Redisplay(StateList::ItemOf(*node), list.Code(), nullptr);
        return &StateList::ItemOf(*node);
    };
    // A deleted item that a site still reports comes back as a fresh item,
    // whatever other lists hold. Should the list it belongs in hold the key
    // already, the row updates the known item instead, as without the copy.
    if (const auto deleted = deleted_.Find(site, auctionId); deleted.found) {
        // Out of the list first; the item lives on until its removal has
        // been announced.
        StateList::Detached gone = deleted_.Detach(deleted.node);
        Forget(StateList::ItemOf(gone));
        if (const CAucItem* filed = fileNewItem()) {
            return *filed;
        }
    }
    if (const auto running = inProgress_.Find(site, auctionId); running.found) {
        DisplayEntry* entry = Withdraw(StateList::ItemOf(running.node));
        StateList::Detached item = inProgress_.Detach(running.node);
        merge.Apply(StateList::ItemOf(item), false);
        StateList& target =
            StateList::ItemOf(item).GetStatus() == folder::InProgress ? inProgress_ : ended_;
        // Should the ended list hold the key already, the item stays in
        // progress rather than be lost.
        std::optional<StateList::Node> node = target.Adopt(item);
        StateList& filedIn = node ? target : inProgress_;
        if (!node) {
            node = inProgress_.AdoptAlways(std::move(item));
        }
        Redisplay(StateList::ItemOf(*node), filedIn.Code(), entry);
        return StateList::ItemOf(*node);
    }
    // Ended and archived items are updated where they are, whatever their
    // status then says.
    for (StateList* list : {&ended_, &archive_}) {
        if (const auto known = list->Find(site, auctionId); known.found) {
            const CAucItem& item = StateList::ItemOf(known.node);
            DisplayEntry* entry = Withdraw(item);
            list->Update(known.node, [&merge](CAucItem& changed) { merge.Apply(changed, false); });
            Redisplay(item, list->Code(), entry);
            return item;
        }
    }
    // No list holds the key, so the item is always filed.
    return *fileNewItem();
}

void CItemList::Forget(const CAucItem& item) {
    if (DisplayEntry* entry = Withdraw(item)) {
        entry->list = 0;
        entry->item = nullptr;
    }
    entryOfItem_.erase(&item);
    Announce(DocumentEvent::Kind::ItemRemoved, item);
}

void CItemList::RemoveAll() {
    for (const std::int32_t code : kListOrder) {
        ListOf(code)->Clear();
    }
    ClearDisplay();
    Revise();
    modified_ = false;
}

void CItemList::TakeItems(CItemList& other) {
    ClearDisplay();
    for (const std::int32_t code : kListOrder) {
        ListOf(code)->AppendAll(*other.ListOf(code));
    }
    other.ClearDisplay();
    modified_ = other.modified_;
    other.modified_ = false;
}

void CItemList::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        inProgress_.Store(ar);
        ended_.Store(ar);
        archive_.Store(ar);
    } else {
        Load(ar);
    }
    modified_ = false;
}

void CItemList::Load(gb::Archive& ar) {
    // Read everything into lists of their own before touching these, so that
    // a malformed file leaves them as they were.
    std::array<StateList, 3> read = {StateList(folder::InProgress), StateList(folder::AuctionEnded),
                                     StateList(folder::Archive)};
    for (StateList& list : read) {
        list.Read(ar, ar.ReadCount(kMinItemRecordBytes));
    }
    inProgress_.AppendAll(read[0]);
    ended_.AppendAll(read[1]);
    archive_.AppendAll(read[2]);
}

}  // namespace gb::itemdb
