#pragma once
// One change of the profile document, as its views hear of it: what changed
// (an item, a folder, the whole profile, the update run), and for the changes
// after which the views are updated with an integer hint, that hint. The
// document raises them through its one channel (DocumentEvents) as the
// changes happen, on the user-interface thread only.

#include <cstdint>
#include <optional>

namespace gb::itemdb {

class CAucItem;
class DocumentListener;

// The part of one folder that changed.
enum class FolderPart { Name, Description, Columns, Filter, Kind };

struct DocumentEvent {
    enum class Kind {
        ItemAdded,          // a new item was filed by CItemList::AddNewItem
        ItemChanged,        // an item was stored anew
        ItemMoved,          // an item moved to another state list
        ItemRemoved,        // an item left the lists for good (told while it lives)
        RowMerged,          // a retrieved row updated or filed the item
        FolderChanged,      // a part of one folder changed
        FolderTreeChanged,  // folders were added or removed, or the tree was reset or read
        DocumentReplaced,   // a new profile (hint 0) or one opened (hint 1)
        RunEnded,           // an update run ended (hint 0)
        ViewsUpdated,       // the views are updated with a hint (CAucDoc::UpdateAllViews)
    };

    // The hints the views are updated with: after a new profile and the end
    // of an update run, after a profile or a folder was opened.
    static constexpr std::int32_t kHintNew = 0;
    static constexpr std::int32_t kHintOpened = 1;

    static DocumentEvent ForItem(Kind kind, const CAucItem& item) {
        DocumentEvent event{kind};
        event.item = &item;
        return event;
    }
    static DocumentEvent ForFolder(std::int32_t folderId, FolderPart part) {
        DocumentEvent event{Kind::FolderChanged};
        event.folderId = folderId;
        event.part = part;
        return event;
    }
    static DocumentEvent ForFolderTree() { return DocumentEvent{Kind::FolderTreeChanged}; }
    static DocumentEvent WithHint(Kind kind, std::int32_t hint,
                                  const DocumentListener* sender = nullptr) {
        DocumentEvent event{kind};
        event.hint = hint;
        event.sender = sender;
        return event;
    }

    explicit DocumentEvent(Kind changed) : kind(changed) {}

    Kind kind;
    // The item as it is now, valid while the event is told; item kinds only.
    const CAucItem* item = nullptr;
    // FolderChanged: the folder and the part of it that changed.
    std::int32_t folderId = 0;
    FolderPart part = FolderPart::Name;
    // DocumentReplaced, RunEnded and ViewsUpdated: the hint the views get.
    std::optional<std::int32_t> hint;
    // The listener that caused the change; it is not told.
    const DocumentListener* sender = nullptr;
};

// Who hears of the document's changes.
class DocumentListener {
public:
    virtual void OnDocumentEvent(const DocumentEvent& event) = 0;

protected:
    ~DocumentListener() = default;
};

}  // namespace gb::itemdb
