#pragma once
// The observers of one profile document, told in the order they were added.
// The document, its item list and its folder tree raise the events.

#include <vector>

#include "itemdb/DocumentObserver.h"

namespace gb::itemdb {

class DocumentEvents {
public:
    void Add(DocumentObserver* observer);
    void Remove(DocumentObserver* observer);

    void ItemsMerged() const;
    void ItemChanged(const CAucItem& item) const;
    void FoldersChanged() const;

private:
    bool IsObserving(const DocumentObserver* observer) const;
    template <typename Tell>
    void TellAll(Tell tell) const;

    std::vector<DocumentObserver*> observers_;
};

}  // namespace gb::itemdb
