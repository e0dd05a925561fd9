#include "itemdb/DocumentEvents.h"

#include <algorithm>

namespace gb::itemdb {

void DocumentEvents::Add(DocumentObserver* observer) {
    if (observer != nullptr && !IsObserving(observer)) {
        observers_.push_back(observer);
    }
}

void DocumentEvents::Remove(DocumentObserver* observer) {
    std::erase(observers_, observer);
}

bool DocumentEvents::IsObserving(const DocumentObserver* observer) const {
    return std::find(observers_.begin(), observers_.end(), observer) != observers_.end();
}

template <typename Tell>
void DocumentEvents::TellAll(Tell tell) const {
    // An observer may go away while another is told: each is looked up again
    // before it is told.
    for (DocumentObserver* observer : std::vector(observers_)) {
        if (IsObserving(observer)) {
            tell(*observer);
        }
    }
}

void DocumentEvents::ItemsMerged() const {
    TellAll([](DocumentObserver& observer) { observer.OnItemsMerged(); });
}

void DocumentEvents::ItemChanged(const CAucItem& item) const {
    TellAll([&item](DocumentObserver& observer) { observer.OnItemChanged(item); });
}

void DocumentEvents::FoldersChanged() const {
    TellAll([](DocumentObserver& observer) { observer.OnFoldersChanged(); });
}

}  // namespace gb::itemdb
