#include "app/core/HeldItems.h"

namespace gb::app {

std::vector<const gb::itemdb::CAucItem*> HeldItems::Resolve() const {
    std::vector<const gb::itemdb::CAucItem*> found;
    found.reserve(ids_.size());
    for (const ItemId& id : ids_) {
        if (const gb::itemdb::CAucItem* item = items_->GetItemAt(id)) {
            found.push_back(item);
        }
    }
    return found;
}

}  // namespace gb::app
