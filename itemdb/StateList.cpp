#include "itemdb/StateList.h"

#include <utility>

#include "platform/Cp1252.h"

namespace gb::itemdb {

bool StateList::ByAuctionId::Less(std::string_view a, std::string_view b) {
    return gb::cp1252::CompareNoCase(a, b) < 0;
}

StateList::Place<StateList::ConstNode> StateList::Find(std::string_view site,
                                                       std::string_view auctionId) const {
    const auto [first, last] = items_.equal_range(auctionId);
    for (auto node = first; node != last; ++node) {
        if (gb::cp1252::EqualsNoCase(node->GetSite(), site)) {
            return {node, true};
        }
    }
    // A new key goes after the items with the same auction ID.
    return {last, false};
}

std::optional<StateList::Node> StateList::Add(const CAucItem& item) {
    const Place<ConstNode> place = Find(item.GetSite(), item.GetAuctionId());
    if (place.found) {
        return std::nullopt;
    }
    CAucItem stored = item;
    stored.SetState(code_);
    return items_.emplace_hint(place.node, std::move(stored));
}

std::optional<StateList::Node> StateList::Adopt(Detached& detached) {
    const CAucItem& item = ItemOf(detached);
    if (Contains(item.GetSite(), item.GetAuctionId())) {
        return std::nullopt;
    }
    return AdoptAlways(std::move(detached));
}

StateList::Node StateList::AdoptAlways(Detached&& detached) {
    ItemOf(detached).SetState(code_);
    // Without a hint a multiset inserts after the equal keys.
    return items_.insert(std::move(detached));
}

void StateList::Append(CAucItem&& item) {
    item.SetState(code_);
    // The hint puts an item after its equal keys when it belongs at the end,
    // as it does in a file written from a sorted list.
    items_.emplace_hint(items_.end(), std::move(item));
}

void StateList::Read(gb::Archive& ar, std::uint32_t count) {
    // One item receives every record in turn: reading overwrites each field.
    CAucItem item;
    for (std::uint32_t i = 0; i < count; ++i) {
        item.Serialize(ar);
        Append(std::move(item));
    }
}

void StateList::AppendAll(StateList& other) {
    if (items_.empty()) {
        items_.swap(other.items_);
        return;
    }
    while (!other.items_.empty()) {
        Detached detached = other.items_.extract(other.items_.begin());
        AdoptAlways(std::move(detached));
    }
}

void StateList::Store(gb::Archive& ar) const {
    ar.WriteCount(static_cast<std::uint32_t>(items_.size()));
    for (const CAucItem& item : items_) {
        item.Store(ar);
    }
}

}  // namespace gb::itemdb
