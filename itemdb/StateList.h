#pragma once
// One state list of the item list: the items of one state (in progress,
// ended, archive or deleted), owned by value and kept in key order. The order
// is by auction ID alone, ignoring case as CAucItem::IsAfter does; items with
// equal auction IDs and different sites stay in the order in which they were
// inserted, and the site only tells them apart (CAucItem::IsSameKey). Finding
// a key takes logarithmic time, and an item keeps its address for as long as
// it stays in a list, even when it moves from one list to another as a node.

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "itemdb/AucItem.h"
#include "itemdb/ItemTotals.h"

namespace gb::itemdb {

class StateList {
    // An item with what it adds to totals, kept up to date with it. The share
    // comes first, beside the node's links, so that adding up a list touches
    // little memory besides them.
    struct Stored {
        CItemTotals::Share share;
        CAucItem item;
    };
    // Keyed by the auction ID in lower case: comparing those bytes orders the
    // IDs exactly as the case-insensitive comparison of the item does.
    using Map = std::multimap<std::string, Stored>;

public:
    using Node = Map::iterator;
    using ConstNode = Map::const_iterator;
    // An item taken out of a list with its node, to be adopted by another.
    using Detached = Map::node_type;

    // Where a key is: the node holding it, or the node before which it belongs
    // (the end of the list when it belongs after every item).
    template <typename NodeType>
    struct Place {
        NodeType node;
        bool found = false;
    };

    // A list whose items get `code` as their state (102, 103, 107 or 110).
    explicit StateList(std::int32_t code) : code_(code) {}

    std::int32_t Code() const { return code_; }
    std::size_t Size() const { return items_.size(); }
    bool IsEmpty() const { return items_.empty(); }

    Place<Node> Find(std::string_view site, std::string_view auctionId);
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

    static const CAucItem& ItemOf(ConstNode node) { return node->second.item; }
    static const CItemTotals::Share& ShareOf(ConstNode node) { return node->second.share; }
    // The item of a detached node, to be changed before another list adopts it.
    static CAucItem& ItemOf(Detached& detached) { return detached.mapped().item; }
    // Changes a stored item where it is; the item keeps the list's state. The
    // change must keep the item's key.
    template <typename Change>
    void Update(Node node, Change&& change) {
        change(node->second.item);
        Settle(node->second);
    }

    Detached Detach(Node node) { return items_.extract(node); }
    void Erase(Node node) { items_.erase(node); }
    void Clear() { items_.clear(); }

    Node begin() { return items_.begin(); }
    Node end() { return items_.end(); }
    // The item of a node; none for the end of the list.
    const CAucItem* ItemAt(ConstNode node) const {
        return node == items_.end() ? nullptr : &ItemOf(node);
    }
    // The items in list order, as a bidirectional range. Written out rather
    // than composed from standard views, which clang 14 cannot compile with
    // the standard library of g++ 12.
    class ItemRange {
    public:
        class Iterator {
        public:
            using iterator_category = std::bidirectional_iterator_tag;
            using value_type = CAucItem;
            using difference_type = std::ptrdiff_t;
            using pointer = const CAucItem*;
            using reference = const CAucItem&;

            Iterator() = default;
            explicit Iterator(ConstNode node) : node_(node) {}
            reference operator*() const { return ItemOf(node_); }
            pointer operator->() const { return &ItemOf(node_); }
            Iterator& operator++() {
                ++node_;
                return *this;
            }
            Iterator operator++(int) { return Iterator(node_++); }
            Iterator& operator--() {
                --node_;
                return *this;
            }
            Iterator operator--(int) { return Iterator(node_--); }
            bool operator==(const Iterator&) const = default;

        private:
            ConstNode node_;
        };

        explicit ItemRange(const Map& items) : items_(&items) {}
        Iterator begin() const { return Iterator(items_->begin()); }
        Iterator end() const { return Iterator(items_->end()); }
        const CAucItem& front() const { return *begin(); }
        const CAucItem& back() const { return *std::prev(end()); }

    private:
        const Map* items_;
    };
    ItemRange Items() const { return ItemRange(items_); }

    // The count, then every item record in list order.
    void Store(gb::Archive& ar);

private:
    static std::string FoldedKey(std::string_view auctionId);
    // Stamps the list's state and brings the share up to date.
    void Settle(Stored& stored) const;
    template <typename Self>
    static auto FindIn(Self& self, std::string_view site, std::string_view auctionId)
        -> Place<decltype(self.items_.begin())>;

    std::int32_t code_;
    Map items_;
};

}  // namespace gb::itemdb
