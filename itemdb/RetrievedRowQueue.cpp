#include "itemdb/RetrievedRowQueue.h"

#include <utility>

namespace gb::itemdb {

void RetrievedRowQueue::Push(Entry entry) {
    std::lock_guard lock(mutex_);
    entries_.push_back(std::move(entry));
}

std::vector<RetrievedRowQueue::Entry> RetrievedRowQueue::TakeAll() {
    std::lock_guard lock(mutex_);
    return std::exchange(entries_, {});
}

}  // namespace gb::itemdb
