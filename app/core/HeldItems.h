#pragma once
// Items a command carries across a dialog, a message box or any other turn of
// the event loop, in which an update may merge rows and destroy items: their
// identities, in list order, never their addresses. They are resolved where
// they are used, so that an item gone by then is left out rather than read
// after it was freed.

#include <cstddef>
#include <utility>
#include <vector>

#include "itemdb/ItemList.h"

namespace gb::app {

class HeldItems {
public:
    using ItemId = gb::itemdb::CItemList::ItemId;

    HeldItems(const gb::itemdb::CItemList& items, std::vector<ItemId> ids)
        : items_(&items), ids_(std::move(ids)) {}

    // The number of items taken, whether they still exist or not.
    std::size_t Count() const { return ids_.size(); }
    bool IsEmpty() const { return ids_.empty(); }

    // The items that exist now, in order. The addresses hold only until the
    // event loop runs again: they are used at once and never kept.
    std::vector<const gb::itemdb::CAucItem*> Resolve() const;

private:
    const gb::itemdb::CItemList* items_;
    std::vector<ItemId> ids_;
};

}  // namespace gb::app
