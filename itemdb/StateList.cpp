#include "itemdb/StateList.h"

#include "platform/Cp1252.h"

namespace gb::itemdb {

std::string StateList::FoldedKey(std::string_view auctionId) {
    return gb::cp1252::ToLower(auctionId);
}

template <typename Self>
auto StateList::FindIn(Self& self, std::string_view site, std::string_view auctionId)
    -> Place<decltype(self.items_.begin())> {
    const auto [first, last] = self.items_.equal_range(FoldedKey(auctionId));
    for (auto node = first; node != last; ++node) {
        if (gb::cp1252::EqualsNoCase(ItemOf(node).GetSite(), site)) {
            return {node, true};
        }
    }
    // A new key goes after the items with the same auction ID.
    return {last, false};
}

StateList::Place<StateList::Node> StateList::Find(std::string_view site,
                                                  std::string_view auctionId) {
    return FindIn(*this, site, auctionId);
}

StateList::Place<StateList::ConstNode> StateList::Find(std::string_view site,
                                                       std::string_view auctionId) const {
    return FindIn(*this, site, auctionId);
}

void StateList::Settle(Stored& stored) const {
    stored.item.SetState(code_);
    stored.share = CItemTotals::ShareOf(stored.item);
}

std::optional<StateList::Node> StateList::Add(const CAucItem& item) {
    const Place<Node> place = Find(item.GetSite(), item.GetAuctionId());
    if (place.found) {
        return std::nullopt;
    }
    const Node node =
        items_.emplace_hint(place.node, FoldedKey(item.GetAuctionId()), Stored{{}, item});
    Settle(node->second);
    return node;
}

std::optional<StateList::Node> StateList::Adopt(Detached& detached) {
    const CAucItem& item = ItemOf(detached);
    if (Contains(item.GetSite(), item.GetAuctionId())) {
        return std::nullopt;
    }
    return AdoptAlways(std::move(detached));
}

StateList::Node StateList::AdoptAlways(Detached&& detached) {
    Settle(detached.mapped());
    // Without a hint a multimap inserts after the equal keys.
    return items_.insert(std::move(detached));
}

void StateList::Append(CAucItem&& item) {
    std::string key = FoldedKey(item.GetAuctionId());
    const Node node =
        items_.emplace_hint(items_.end(), std::move(key), Stored{{}, std::move(item)});
    Settle(node->second);
}

void StateList::Store(gb::Archive& ar) {
    ar.WriteCount(static_cast<std::uint32_t>(items_.size()));
    for (auto& [key, stored] : items_) {
        stored.item.Serialize(ar);
    }
}

}  // namespace gb::itemdb
