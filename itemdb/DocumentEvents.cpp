#include "itemdb/DocumentEvents.h"

#include <algorithm>

namespace gb::itemdb {

void DocumentEvents::Add(DocumentListener* listener) {
    if (listener != nullptr && !IsListening(listener)) {
        listeners_.push_back(listener);
    }
}

void DocumentEvents::Remove(DocumentListener* listener) {
    std::erase(listeners_, listener);
}

bool DocumentEvents::IsListening(const DocumentListener* listener) const {
    return std::find(listeners_.begin(), listeners_.end(), listener) != listeners_.end();
}

void DocumentEvents::Raise(const DocumentEvent& event) const {
    if (held_) {
        return;
    }
    // A listener may go away, or add another, while one is told: each is
    // looked up again before it is told.
    for (DocumentListener* listener : std::vector(listeners_)) {
        if (listener != event.sender && IsListening(listener)) {
            listener->OnDocumentEvent(event);
        }
    }
}

}  // namespace gb::itemdb
