#pragma once
// One of an item filter's ID lists: 20 slots filled from the front, ended by
// the first 0. An empty list means the criterion is not tested. All 20 slots
// are kept as they are, so a filter read from a file is written back unchanged.

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace gb::itemdb {

class FilterIdList {
public:
    static constexpr std::size_t kSlots = 20;

    bool IsEmpty() const { return slots_[0] == 0; }
    // Whether the ID is among the entries before the terminator.
    bool Contains(std::int32_t id) const;
    // Stores the ID in the first slot that is empty or already holds it; false
    // when all slots hold other IDs.
    bool Add(std::int32_t id);
    // Stores the ID in the first empty slot, duplicate or not; false when full.
    bool Append(std::int32_t id);
    // Removes the entry; later slots move down and the last becomes 0.
    bool Remove(std::int32_t id);
    void Clear() { slots_.fill(0); }

    // The entries before the terminator.
    std::vector<std::int32_t> Entries() const;

    std::int32_t Slot(std::size_t index) const { return slots_[index]; }
    void SetSlot(std::size_t index, std::int32_t id) { slots_[index] = id; }

    bool operator==(const FilterIdList&) const = default;

private:
    std::array<std::int32_t, kSlots>::const_iterator EntriesEnd() const;

    std::array<std::int32_t, kSlots> slots_{};
};

}  // namespace gb::itemdb
