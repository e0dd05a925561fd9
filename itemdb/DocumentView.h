#pragma once
// A view of the profile document: told when the document changes, and offered
// the commands that the frame and the active view did not handle.

#include <cstdint>

namespace gb::itemdb {

// A command on its way to the views: its id, the notification code (0 for a
// menu, toolbar or accelerator command) and whatever the sender attaches for
// the handler to use.
struct ViewCommand {
    int id = 0;
    int code = 0;
    void* extra = nullptr;
    void* handlerInfo = nullptr;
};

class DocumentView {
public:
    // Hints the document sends: after a new profile, after opening one.
    static constexpr std::int32_t kHintNew = 0;
    static constexpr std::int32_t kHintOpened = 1;

    // The document changed; `sender` is the view that caused it, or null.
    virtual void OnUpdate(DocumentView* sender, std::int32_t hint) = 0;
    // True when the view handled the command.
    virtual bool OnCmdMsg(const ViewCommand& command) = 0;

protected:
    ~DocumentView() = default;
};

}  // namespace gb::itemdb
