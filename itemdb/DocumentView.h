#pragma once
// A view of the profile document, offered the commands that the frame and the
// active view did not handle. What changed in the document it hears through
// the document's events (DocumentEvents).

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
    // True when the view handled the command.
    virtual bool OnCmdMsg(const ViewCommand& command) = 0;

protected:
    ~DocumentView() = default;
};

}  // namespace gb::itemdb
