#pragma once
// The folders of a profile: a flat array of 600-byte node records linked in
// display order (each folder followed by its sub-folders, depth first, then
// by its next sibling), plus the filters of the item folders. Index 0 is
// always the root. Most operations act on the node under the cursor, which
// always rests on a node of the tree.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "itemdb/DocumentEvent.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderNameLookup.h"
#include "itemdb/FolderNode.h"
#include "itemdb/ItemFilter.h"
#include "platform/Archive.h"

namespace gb::itemdb {

class DocumentEvents;

class CFolderTree final : public FolderNameLookup {
public:
    static constexpr std::int32_t kFirstAutomaticId = 151;

    // Just the root; the next automatic id is 151.
    CFolderTree();

    // Where the tree announces its changes; none by default. Not part of the
    // tree's value: taking over another tree keeps it.
    void SetEvents(DocumentEvents* events) { events_.target = events; }

    // Cursor.
    // Walks the chain from the root to the node with this id and puts the
    // cursor there; false (cursor unchanged) when no node has it.
    bool FindNode(std::int32_t id);
    // The next node of the chain; false (cursor unchanged) at the end.
    bool MoveNext();
    int GetCount() const { return static_cast<int>(nodes_.size()); }

    // Questions that leave the cursor where it is.
    // The node with this id on the chain; none when no node has it.
    const CFolderNode* GetNode(std::int32_t id) const;
    // The nodes in chain order, the root first.
    std::vector<const CFolderNode*> GetChain() const;
    // The filter of the node with this id; none for a node without one, or
    // when no node has the id.
    const CItemFilter* GetFilter(std::int32_t id) const;

    // The node under the cursor.
    std::int32_t GetCurId() const { return Current().id; }
    std::int32_t GetCurParent() const { return Current().parentId; }
    std::int32_t GetCurKind() const { return Current().kind; }
    std::int32_t GetCurType() const { return Current().type; }
    std::string GetCurName() const { return Current().name.Get(); }
    std::string GetCurDescription() const { return Current().description.Get(); }
    std::string GetCurColumnsOrURL() const { return Current().data.Get(); }
    std::int32_t IsCurHeading() const { return Current().heading; }
    std::int32_t IsCurFixed() const { return Current().fixed; }
    // The number of ancestors, found through the parent ids.
    int GetCurDepth() const;

    // Setters mark the tree modified. Texts longer than their field (name 59,
    // description and data 253 characters) are cut.
    void SetCurName(std::string_view name);
    void SetCurDescription(std::string_view description);
    void SetCurColumnsOrURL(std::string_view data);
    void SetCurType(std::int32_t type);
    void SetCurHeading(std::int32_t heading);
    void SetCurFixed(std::int32_t fixed);

    // The node's filter; null for a node without one (web-site headings).
    const CItemFilter* GetCurFilter() const;
    // Copies the filter into the node's own; nothing for a node without one.
    // Does not mark the tree modified, but announces a real change.
    void SetCurFilter(const CItemFilter& filter);

    // From the node with id `startId` along the rest of the chain, the id of the
    // first node whose name equals `name` ignoring case (names compared as a
    // folder holds them, cut to 59 characters) and whose heading flag and kind
    // are the ones given; kind 0 takes the kind of the first node whose name
    // matches. 0 when there is none or no node has the start id.
    std::int32_t FindFolder(std::string_view name, std::int32_t startId, std::int32_t heading,
                            std::int32_t kind);

    // Adds a node below `parentId` after the node `insertAfterId` (or, when
    // no node has that id, after the parent) and puts the cursor on it. `id`
    // above 0 is taken as the new id unless a node has it already; otherwise
    // the next automatic id. The node gets the kind as its kind and type, the
    // name "New", and a fresh default filter unless its kind is 108 (Web
    // Sites). Gives the new id, or 0 (and adds nothing) when no node has the
    // parent id.
    std::int32_t AddNode(std::int32_t kind, std::int32_t parentId, std::int32_t insertAfterId,
                         std::int32_t id = 0);

    // Removes the node with this id and its descendants, with their filters;
    // the root resets the tree. False when no node has the id. The cursor is
    // left on the root.
    bool DeleteNode(std::int32_t id);

    // Only the root, named "New Profile"; the next automatic id is kept.
    void Reset();

    bool IsModified() const { return modified_; }
    std::int32_t GetNextFolderId() const { return nextFolderId_; }

    // Archive form: next automatic id, node count, the raw node records, filter
    // count, the filters. A file whose nodes do not form a tree is refused with
    // ArchiveException and leaves this tree unchanged. Both directions clear
    // the modified flag.
    void Serialize(gb::Archive& ar);

    // FolderNameLookup: the name of the folder with this id.
    std::optional<std::string> FolderName(std::int32_t folderId) const override;

    bool operator==(const CFolderTree& other) const;

private:
    // Marks a node that the chain from the root does not reach.
    static constexpr int kOffChain = -1;

    const CFolderNode& Current() const { return nodes_[cursor_]; }
    const CItemFilter* FilterOf(const CFolderNode& node) const;
    CItemFilter* CurFilter();
    CFolderNode& Current() { return nodes_[cursor_]; }
    // The first node along the chain from the root for which `visit` gives true.
    template <typename Visit>
    std::optional<std::size_t> FindInChain(Visit visit) const;
    // The array index of the node with this id on the chain.
    std::optional<std::size_t> FindIndex(std::int32_t id) const;
    // The array index of the node whose next index is `index` (not the root).
    std::optional<std::size_t> FindPredecessor(std::size_t index) const;
    bool IsIdTaken(std::int32_t id) const { return indexById_.contains(id); }
    // Removes the nodes at these array indices and their filters in one pass,
    // renumbering the next and filter indices of the others.
    void RemoveNodes(const std::vector<std::size_t>& removed);
    // Rebuilds the index by id and the depths after the arrays changed as a
    // whole; linear in the number of nodes.
    void Reindex();
    void Store(gb::Archive& ar);
    void Load(gb::Archive& ar);
    // Mark the tree modified and announce the change: of one part of the
    // node under the cursor, or of the tree's shape.
    void Changed(FolderPart part);
    void Reshaped();
    void Announce(const DocumentEvent& event) const;

    // Where the changes go: it stays with this tree when another tree is
    // assigned to it, and a copy starts without.
    struct EventsTarget {
        DocumentEvents* target = nullptr;
        EventsTarget() = default;
        EventsTarget(const EventsTarget&) {}
        EventsTarget& operator=(const EventsTarget&) { return *this; }
    };

    EventsTarget events_;
    bool modified_ = false;
    std::int32_t nextFolderId_ = kFirstAutomaticId;
    std::size_t cursor_ = 0;
    std::vector<CFolderNode> nodes_;
    std::vector<CItemFilter> filters_;
    // Derived from the nodes, so that finding a folder and its depth does not
    // walk the tree: the array index of every id, and per array index the
    // number of ancestors on the chain (kOffChain for nodes off it).
    std::unordered_map<std::int32_t, std::size_t> indexById_;
    std::vector<int> depths_;
};

}  // namespace gb::itemdb
