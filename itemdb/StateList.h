#pragma once
// One state list of the item list: the items of one state (in progress,
// ended, archive or deleted), owned by value and kept in key order. The order
// is by auction ID alone, ignoring case as CAucItem::IsAfter does; items with
// equal auction IDs and different sites stay in the order in which they were
// inserted, and the site only tells them apart (CAucItem::IsSameKey). Finding
// a key takes logarithmic time, and an item keeps its address for as long as
// it stays in a list, even when it moves from one list to another as a node.
// Each item is one node of its own, without a separate key; all lists take
// their nodes from one pool, so a node moves between any two of them.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <optional>
#include <set>
#include <string_view>

#include "itemdb/AucItem.h"
#include "platform/BulkMemory.h"

namespace gb::itemdb {

class StateList {
    // Orders items by auction ID ignoring case; also compares an item with a
    // bare auction ID, so that finding a key needs no item.
    struct ByAuctionId {
        using is_transparent = void;
        bool operator()(const CAucItem& a, const CAucItem& b) const {
            return Less(a.GetAuctionId(), b.GetAuctionId());
        }
        bool operator()(const CAucItem& a, std::string_view b) const {
            return Less(a.GetAuctionId(), b);
        }
        bool operator()(std::string_view a, const CAucItem& b) const {
            return Less(a, b.GetAuctionId());
        }
        static bool Less(std::string_view a, std::string_view b);
    };
    // Nodes come from the bulk pool: a profile's items are many, small and
    // made at once.
    using Set = std::pmr::multiset<CAucItem, ByAuctionId>;

public:
    using Node = Set::iterator;
    using ConstNode = Set::const_iterator;
    // An item taken out of a list with its node, to be adopted by another.
    using Detached = Set::node_type;

    // Where a key is: the node holding it, or the node before which it belongs
    // (the end of the list when it belongs after every item).
    template <typename NodeType>
    struct Place {
        NodeType node;
        bool found = false;
    };

    // The items in list order.
    class ItemRange {
    public:
        ItemRange(ConstNode first, ConstNode last) : first_(first), last_(last) {}
        ConstNode begin() const { return first_; }
        ConstNode end() const { return last_; }
        const CAucItem& front() const { return *first_; }
        const CAucItem& back() const { return *std::prev(last_); }

    private:
        ConstNode first_;
        ConstNode last_;
    };

    // A list whose items get `code` as their state (102, 103, 107 or 110).
    explicit StateList(std::int32_t code) : code_(code), items_(gb::BulkMemory()) {}

    std::int32_t Code() const { return code_; }
    std::size_t Size() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }

    Place<ConstNode> Find(std::string_view site, std::string_view auctionId) const;
    bool Contains(std::string_view site, std::string_view auctionId) const {
        return Find(site, auctionId).found;
    }

    // Stores a copy of the item with this list's state; nothing when the list
    // already holds the key.
    std::optional<Node> Add(const CAucItem& item);
    // Takes over a detached item and stamps this list's state on it; when the
    // list already holds the key, nothing, and the item stays in `detached`.
    std::optional<Node> Adopt(Detached& detached);
    // Takes over a detached item even when the key is taken, so that an item
    // that cannot be filed elsewhere is never lost.
    Node AdoptAlways(Detached&& detached);
    // Puts an item read from a file at the end of its equal keys, sorted in
    // place should the file not be; a duplicate key is kept.
    void Append(CAucItem&& item);
    // Appends `count` item records read from the archive, as Append does.
    void Read(gb::Archive& ar, std::uint32_t count);
    // Takes over every item of another list of the same state, appended as
    // Append does; the other list is left empty.
    void AppendAll(StateList& other);

    static const CAucItem& ItemOf(ConstNode node) { return *node; }
    // The item of a detached node, to be changed before another list adopts it.
    static CAucItem& ItemOf(Detached& detached) { return detached.value(); }
    // Changes a stored item where it is; the item keeps the list's state. The
    // change must keep the item's key.
    template <typename Change>
    void Update(ConstNode node, Change&& change) {
        // The set's order depends on the auction ID alone, which the change
        // keeps, so the stored item may be changed in place.
        CAucItem& item = const_cast<CAucItem&>(*node);
        change(item);
        item.SetState(code_);
    }

    Detached Detach(ConstNode node) { return items_.extract(node); }
    void Erase(ConstNode node) { items_.erase(node); }
    void Clear() { items_.clear(); }

    ConstNode begin() const { return items_.begin(); }
    ConstNode end() const { return items_.end(); }
    // The item of a node; none for the end of the list.
    const CAucItem* ItemAt(ConstNode node) const {
        return node == items_.end() ? nullptr : &ItemOf(node);
    }
    ItemRange Items() const { return {items_.begin(), items_.end()}; }

    // The count, then every item record in list order.
    void Store(gb::Archive& ar) const;

private:
    std::int32_t code_;
    Set items_;
};

}  // namespace gb::itemdb
