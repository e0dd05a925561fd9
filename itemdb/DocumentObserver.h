#pragma once
// What a view hears of the profile document's changes, raised by the document
// itself as they happen, so that no view has to be told by hand. Only the
// user-interface thread raises them.

#include "itemdb/ItemList.h"

namespace gb::itemdb {

class DocumentObserver {
public:
    // Retrieved rows were merged into the item lists: the display list is
    // stale until it is rebuilt, and any item may have changed or moved.
    virtual void OnItemsMerged() {}
    // One item was stored anew or moved to another state list; it may have
    // left the folder on display. The item is valid while the observer is
    // told.
    virtual void OnItemChanged(const CAucItem& /*item*/) {}
    // A folder was added, removed or renamed, or its type, description or
    // columns changed; or the whole tree was read anew.
    virtual void OnFoldersChanged() {}

protected:
    ~DocumentObserver() = default;
};

}  // namespace gb::itemdb
