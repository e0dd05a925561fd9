#pragma once
// The one channel from a profile document to whoever shows it: its listeners,
// told every DocumentEvent in the order they were added. The document, its
// item list, its folder tree and its update run raise the events here.

#include <utility>
#include <vector>

#include "itemdb/DocumentEvent.h"

namespace gb::itemdb {

class DocumentEvents {
public:
    void Add(DocumentListener* listener);
    void Remove(DocumentListener* listener);

    // Tells every listener but the event's sender, unless held.
    void Raise(const DocumentEvent& event) const;

    // While it lives, no event is told: the changes made while the profile
    // is replaced are announced by the one event that follows.
    class Hold {
    public:
        explicit Hold(DocumentEvents& events)
            : events_(events), wasHeld_(std::exchange(events.held_, true)) {}
        ~Hold() { events_.held_ = wasHeld_; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        DocumentEvents& events_;
        bool wasHeld_;
    };

private:
    bool IsListening(const DocumentListener* listener) const;

    std::vector<DocumentListener*> listeners_;
    bool held_ = false;
};

}  // namespace gb::itemdb
