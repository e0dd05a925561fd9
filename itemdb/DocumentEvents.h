#pragma once
// The one channel from a profile document to whoever shows it: its listeners,
// told every DocumentEvent in the order they were added. The document, its
// item list, its folder tree and its update run raise the events here.

#include <vector>

#include "itemdb/DocumentEvent.h"

namespace gb::itemdb {

class DocumentEvents {
public:
    void Add(DocumentListener* listener);
    void Remove(DocumentListener* listener);

    // Tells every listener but the event's sender.
    void Raise(const DocumentEvent& event) const;

private:
    bool IsListening(const DocumentListener* listener) const;

    std::vector<DocumentListener*> listeners_;
};

}  // namespace gb::itemdb
