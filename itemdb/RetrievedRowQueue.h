#pragma once
// The rows a site object has fired and the profile document has not merged
// yet: filled on the retrieval worker's thread, emptied on the thread that
// owns the document.

#include <cstdint>
#include <mutex>
#include <vector>

#include "itemdb/RetrievedRow.h"

namespace gb::itemdb {

class RetrievedRowQueue {
public:
    struct Entry {
        std::uint16_t request = 0;  // the retrieval's request number
        RetrievedRow row;
    };

    // Any thread.
    void Push(Entry entry);
    // Every waiting row, oldest first, leaving the queue empty. Any thread.
    std::vector<Entry> TakeAll();

private:
    std::mutex mutex_;
    std::vector<Entry> entries_;
};

}  // namespace gb::itemdb
