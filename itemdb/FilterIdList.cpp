#include "itemdb/FilterIdList.h"

#include <algorithm>

namespace gb::itemdb {

std::array<std::int32_t, FilterIdList::kSlots>::const_iterator FilterIdList::EntriesEnd() const {
    return std::find(slots_.begin(), slots_.end(), 0);
}

bool FilterIdList::Contains(std::int32_t id) const {
    const auto end = EntriesEnd();
    return std::find(slots_.cbegin(), end, id) != end;
}

bool FilterIdList::Add(std::int32_t id) {
    const auto slot = std::find_if(slots_.begin(), slots_.end(),
                                   [id](std::int32_t s) { return s == 0 || s == id; });
    if (slot == slots_.end()) {
        return false;
    }
    *slot = id;
    return true;
}

bool FilterIdList::Append(std::int32_t id) {
    const auto slot = std::find(slots_.begin(), slots_.end(), 0);
    if (slot == slots_.end()) {
        return false;
    }
    *slot = id;
    return true;
}

bool FilterIdList::Remove(std::int32_t id) {
    const auto end = EntriesEnd();
    const auto found = std::find(slots_.cbegin(), end, id);
    if (found == end) {
        return false;
    }
    const auto at = slots_.begin() + (found - slots_.cbegin());
    std::move(at + 1, slots_.end(), at);
    slots_.back() = 0;
    return true;
}

std::vector<std::int32_t> FilterIdList::Entries() const {
    return {slots_.cbegin(), EntriesEnd()};
}

}  // namespace gb::itemdb
