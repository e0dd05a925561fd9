#include "itemdb/FolderTree.h"

#include "itemdb/DocumentEvents.h"

#include <algorithm>
#include <unordered_set>
#include <utility>

#include "itemdb/LotkeeperStrings.h"
#include "platform/Cp1252.h"

namespace gb::itemdb {

namespace {

constexpr std::size_t kRoot = 0;
constexpr std::int32_t kEndOfChain = 0;

[[noreturn]] void Malformed(const gb::Archive& ar) {
    throw gb::ArchiveException(gb::ArchiveException::Cause::Generic, ar.FileName());
}

using IdMap = std::unordered_map<std::int32_t, std::size_t>;

// Every record on its own: next and filter indices inside the arrays, no
// filter shared, texts terminated, ids unique. Fills `indexById`.
bool RecordsAreSound(const std::vector<CFolderNode>& nodes, std::size_t filterCount,
                     IdMap& indexById) {
    std::unordered_set<std::int32_t> filterIndices;
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const CFolderNode& node = nodes[i];
        const bool nextInside =
            node.next >= 0 && static_cast<std::size_t>(node.next) < nodes.size();
        const bool filterInside =
            node.filterIndex < 0 || (static_cast<std::size_t>(node.filterIndex) < filterCount &&
                                     filterIndices.insert(node.filterIndex).second);
        if (!nextInside || !filterInside || !node.HasTerminatedTexts() ||
            !indexById.emplace(node.id, i).second) {
            return false;
        }
    }
    return true;
}

// Every folder reaches the root through existing parents. Each walk up stops
// at a node already known to reach it; a walk longer than the tree is a cycle.
bool ParentsReachTheRoot(const std::vector<CFolderNode>& nodes, const IdMap& indexById) {
    std::vector<bool> reachesRoot(nodes.size(), false);
    reachesRoot[kRoot] = true;
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < nodes.size(); ++start) {
        path.clear();
        for (std::size_t at = start; !reachesRoot[at];) {
            const auto parent = indexById.find(nodes[at].parentId);
            if (parent == indexById.end() || path.size() == nodes.size()) {
                return false;
            }
            path.push_back(at);
            at = parent->second;
        }
        for (const std::size_t visited : path) {
            reachesRoot[visited] = true;
        }
    }
    return true;
}

// The chain from the root ends without visiting a node twice.
bool ChainEnds(const std::vector<CFolderNode>& nodes) {
    std::vector<bool> onChain(nodes.size(), false);
    for (std::size_t at = kRoot; !onChain[at]; at = static_cast<std::size_t>(nodes[at].next)) {
        onChain[at] = true;
        if (nodes[at].next == kEndOfChain) {
            return true;
        }
    }
    return false;
}

// Whether nodes read from a file form a tree this class can walk, with the
// root (id 100, parent 0) first.
bool IsSoundTree(const std::vector<CFolderNode>& nodes, std::size_t filterCount) {
    if (nodes.empty() || nodes[kRoot].id != folder::Root || nodes[kRoot].parentId != 0) {
        return false;
    }
    IdMap indexById;
    return RecordsAreSound(nodes, filterCount, indexById) &&
           ParentsReachTheRoot(nodes, indexById) && ChainEnds(nodes);
}

CFolderNode RootNode() {
    CFolderNode root;
    root.kind = folder::Root;
    root.type = folder::Root;
    root.id = folder::Root;
    root.name.Set(LoadString(folder::Root));
    root.heading = 1;
    root.fixed = 1;
    return root;
}

}  // namespace

CFolderTree::CFolderTree() {
    Reset();
}

template <typename Visit>
std::optional<std::size_t> CFolderTree::FindInChain(Visit visit) const {
    // The chain never visits a node twice (loading refuses such files and the
    // edits keep it so); the step count bounds the walk all the same.
    std::size_t at = kRoot;
    for (std::size_t steps = 0; steps < nodes_.size(); ++steps) {
        if (visit(at)) {
            return at;
        }
        if (nodes_[at].next == kEndOfChain) {
            break;
        }
        at = static_cast<std::size_t>(nodes_[at].next);
    }
    return std::nullopt;
}

std::optional<std::size_t> CFolderTree::FindIndex(std::int32_t id) const {
    const auto found = indexById_.find(id);
    if (found == indexById_.end() || depths_[found->second] == kOffChain) {
        return std::nullopt;
    }
    return found->second;
}

std::optional<std::size_t> CFolderTree::FindPredecessor(std::size_t index) const {
    return FindInChain(
        [&](std::size_t at) { return static_cast<std::size_t>(nodes_[at].next) == index; });
}

bool CFolderTree::FindNode(std::int32_t id) {
    const auto index = FindIndex(id);
    if (!index) {
        return false;
    }
    cursor_ = *index;
    return true;
}

const CFolderNode* CFolderTree::GetNode(std::int32_t id) const {
    const auto index = FindIndex(id);
    return index ? &nodes_[*index] : nullptr;
}

std::vector<const CFolderNode*> CFolderTree::GetChain() const {
    std::vector<const CFolderNode*> chain;
    chain.reserve(nodes_.size());
    FindInChain([&](std::size_t at) {
        chain.push_back(&nodes_[at]);
        return false;
    });
    return chain;
}

bool CFolderTree::MoveNext() {
    const std::int32_t next = Current().next;
    if (next == kEndOfChain) {
        return false;
    }
    cursor_ = static_cast<std::size_t>(next);
    return true;
}

void CFolderTree::Reindex() {
    const std::size_t count = nodes_.size();
    indexById_.clear();
    indexById_.reserve(count);
    for (std::size_t i = 0; i < count; ++i) {
        indexById_.emplace(nodes_[i].id, i);
    }
    std::vector<bool> onChain(count, false);
    FindInChain([&](std::size_t at) {
        onChain[at] = true;
        return false;
    });
    // A node's depth counts its ancestors up to the first parent that is not
    // on the chain. Each walk up stops at a node whose depth is known, so the
    // whole pass is linear. Parents never form a cycle (loading refuses such
    // files and AddNode needs an existing parent); the node count bounds each
    // walk all the same.
    depths_.assign(count, kOffChain);
    std::vector<std::size_t> path;
    for (std::size_t start = 0; start < count; ++start) {
        if (!onChain[start] || depths_[start] != kOffChain) {
            continue;
        }
        path.clear();
        int depth = 0;  // of the last node of the path
        for (std::size_t at = start;;) {
            path.push_back(at);
            const std::int32_t parentId = nodes_[at].parentId;
            const auto parent = indexById_.find(parentId);
            if (parentId == 0 || parent == indexById_.end() || !onChain[parent->second] ||
                path.size() > count) {
                break;
            }
            if (depths_[parent->second] != kOffChain) {
                depth = depths_[parent->second] + 1;
                break;
            }
            at = parent->second;
        }
        for (auto at = path.rbegin(); at != path.rend(); ++at) {
            depths_[*at] = depth++;
        }
    }
}

int CFolderTree::GetCurDepth() const {
    return std::max(depths_[cursor_], 0);
}

void CFolderTree::SetCurName(std::string_view name) {
    Current().name.Set(name);
    Changed(FolderPart::Name);
}

void CFolderTree::SetCurDescription(std::string_view description) {
    Current().description.Set(description);
    Changed(FolderPart::Description);
}

void CFolderTree::SetCurColumnsOrURL(std::string_view data) {
    Current().data.Set(data);
    Changed(FolderPart::Columns);
}

void CFolderTree::SetCurType(std::int32_t type) {
    Current().type = type;
    Changed(FolderPart::Kind);
}

void CFolderTree::SetCurHeading(std::int32_t heading) {
    Current().heading = heading;
    Changed(FolderPart::Kind);
}

void CFolderTree::SetCurFixed(std::int32_t fixed) {
    Current().fixed = fixed;
    Changed(FolderPart::Kind);
}

const CItemFilter* CFolderTree::FilterOf(const CFolderNode& node) const {
    const std::int32_t index = node.filterIndex;
    if (index < 0 || static_cast<std::size_t>(index) >= filters_.size()) {
        return nullptr;
    }
    return &filters_[static_cast<std::size_t>(index)];
}

const CItemFilter* CFolderTree::GetFilter(std::int32_t id) const {
    const CFolderNode* node = GetNode(id);
    return node != nullptr ? FilterOf(*node) : nullptr;
}

const CItemFilter* CFolderTree::GetCurFilter() const {
    return FilterOf(Current());
}

CItemFilter* CFolderTree::CurFilter() {
    return const_cast<CItemFilter*>(std::as_const(*this).GetCurFilter());
}

void CFolderTree::SetCurFilter(const CItemFilter& filter) {
    if (CItemFilter* own = CurFilter(); own != nullptr && *own != filter) {
        *own = filter;
        Announce(DocumentEvent::ForFolder(Current().id, FolderPart::Filter));
    }
}

void CFolderTree::Changed(FolderPart part) {
    modified_ = true;
    Announce(DocumentEvent::ForFolder(Current().id, part));
}

void CFolderTree::Reshaped() {
    modified_ = true;
    Announce(DocumentEvent::ForFolderTree());
}

void CFolderTree::Announce(const DocumentEvent& event) const {
    if (events_.target != nullptr) {
        events_.target->Raise(event);
    }
}

std::int32_t CFolderTree::FindFolder(std::string_view name, std::int32_t startId,
                                     std::int32_t heading, std::int32_t kind) {
    if (!FindNode(startId)) {
        return 0;
    }
    FixedText<CFolderNode::kMaxName + 1> wanted;
    wanted.Set(name);
    const std::string asStored = wanted.Get();
    for (std::size_t steps = 0; steps < nodes_.size(); ++steps) {
        const CFolderNode& node = Current();
        if (gb::cp1252::EqualsNoCase(node.name.Get(), asStored)) {
            if (kind == 0) {
                kind = node.kind;
            }
            if (node.heading == heading && node.kind == kind) {
                return node.id;
            }
        }
        if (!MoveNext()) {
            break;
        }
    }
    return 0;
}

std::int32_t CFolderTree::AddNode(std::int32_t kind, std::int32_t parentId,
                                  std::int32_t insertAfterId, std::int32_t id) {
    // A folder without a parent in the tree, or with the id of another,
    // would make a file that loading refuses.
    if (!FindNode(parentId)) {
        return 0;
    }
    const std::size_t parent = cursor_;
    FindNode(insertAfterId);
    const std::size_t predecessor = cursor_;

    std::int32_t newId = id;
    if (newId <= 0 || IsIdTaken(newId)) {
        while (IsIdTaken(nextFolderId_)) {
            ++nextFolderId_;
        }
        newId = nextFolderId_++;
    }
    CFolderNode node;
    node.kind = kind;
    node.type = kind;
    node.id = newId;
    node.parentId = parentId;
    node.next = nodes_[predecessor].next;
    node.name.Set("New");
    if (kind != folder::WebSites) {
        node.filterIndex = static_cast<std::int32_t>(filters_.size());
        filters_.emplace_back();
    }
    nodes_.push_back(node);

    cursor_ = nodes_.size() - 1;
    nodes_[predecessor].next = static_cast<std::int32_t>(cursor_);
    indexById_.emplace(newId, cursor_);
    depths_.push_back(depths_[parent] + 1);
    Reshaped();
    return newId;
}

namespace {

// For every index of an array from which the flagged entries are removed, how
// far the index moves down: the number of removed entries below it.
std::vector<std::int32_t> RemovedBelow(const std::vector<bool>& gone) {
    std::vector<std::int32_t> below(gone.size() + 1, 0);
    for (std::size_t i = 0; i < gone.size(); ++i) {
        below[i + 1] = below[i] + (gone[i] ? 1 : 0);
    }
    return below;
}

// An index into an array after its removed entries are gone; indices of 0 and
// below stay as they are.
std::int32_t Shifted(std::int32_t index, const std::vector<std::int32_t>& removedBelow) {
    if (index <= 0) {
        return index;
    }
    const std::size_t capped = std::min(static_cast<std::size_t>(index), removedBelow.size() - 1);
    return index - removedBelow[capped];
}

template <typename T>
void EraseFlagged(std::vector<T>& entries, const std::vector<bool>& gone) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        if (!gone[i]) {
            if (kept != i) {
                entries[kept] = std::move(entries[i]);
            }
            ++kept;
        }
    }
    entries.resize(kept);
}

}  // namespace

void CFolderTree::RemoveNodes(const std::vector<std::size_t>& removed) {
    std::vector<bool> nodeGone(nodes_.size(), false);
    std::vector<bool> filterGone(filters_.size(), false);
    for (const std::size_t at : removed) {
        nodeGone[at] = true;
        const std::int32_t filter = nodes_[at].filterIndex;
        if (filter >= 0 && static_cast<std::size_t>(filter) < filters_.size()) {
            filterGone[static_cast<std::size_t>(filter)] = true;
        }
    }
    const std::vector<std::int32_t> nodesBelow = RemovedBelow(nodeGone);
    const std::vector<std::int32_t> filtersBelow = RemovedBelow(filterGone);
    for (CFolderNode& node : nodes_) {
        node.next = Shifted(node.next, nodesBelow);
        node.filterIndex = Shifted(node.filterIndex, filtersBelow);
    }
    EraseFlagged(nodes_, nodeGone);
    EraseFlagged(filters_, filterGone);
}

bool CFolderTree::DeleteNode(std::int32_t id) {
    const auto index = FindIndex(id);
    if (!index) {
        return false;
    }
    if (*index == kRoot) {
        Reset();
        return true;
    }

    // The node and the run of nodes after it that lie deeper than it.
    const int depth = depths_[*index];
    std::vector<std::size_t> removed{*index};
    std::int32_t after = nodes_[*index].next;
    while (after != kEndOfChain && depths_[static_cast<std::size_t>(after)] > depth &&
           removed.size() < nodes_.size()) {
        removed.push_back(static_cast<std::size_t>(after));
        after = nodes_[static_cast<std::size_t>(after)].next;
    }

    if (const auto predecessor = FindPredecessor(*index)) {
        nodes_[*predecessor].next = after;
    }
    RemoveNodes(removed);
    Reindex();
    cursor_ = kRoot;
    Reshaped();
    return true;
}

void CFolderTree::Reset() {
    nodes_.assign(1, RootNode());
    filters_.clear();
    Reindex();
    cursor_ = kRoot;
    modified_ = false;
    Announce(DocumentEvent::ForFolderTree());
}

void CFolderTree::Serialize(gb::Archive& ar) {
    if (ar.IsStoring()) {
        Store(ar);
    } else {
        Load(ar);
    }
    modified_ = false;
}

void CFolderTree::Store(gb::Archive& ar) {
    ar.WriteInt32(nextFolderId_);
    ar.WriteCount(static_cast<std::uint32_t>(nodes_.size()));
    std::string records;
    records.reserve(nodes_.size() * CFolderNode::kRecordSize);
    for (const CFolderNode& node : nodes_) {
        node.AppendRecord(records);
    }
    ar.WriteBytes(records);
    ar.WriteCount(static_cast<std::uint32_t>(filters_.size()));
    for (CItemFilter& filter : filters_) {
        filter.Serialize(ar);
    }
}

void CFolderTree::Load(gb::Archive& ar) {
    const std::int32_t nextFolderId = ar.ReadInt32();
    const std::uint32_t nodeCount = ar.ReadCount(CFolderNode::kRecordSize);
    std::vector<CFolderNode> nodes;
    nodes.reserve(nodeCount);
    for (std::uint32_t i = 0; i < nodeCount; ++i) {
        nodes.push_back(CFolderNode::FromRecord(ar.ReadBytes(CFolderNode::kRecordSize)));
    }
    // Filters are read one by one: the count alone is not trusted for an
    // allocation.
    const std::uint32_t filterCount = ar.ReadCount();
    std::vector<CItemFilter> filters;
    for (std::uint32_t i = 0; i < filterCount; ++i) {
        filters.emplace_back().Serialize(ar);
    }
    if (!IsSoundTree(nodes, filters.size())) {
        Malformed(ar);
    }
    nextFolderId_ = nextFolderId;
    nodes_ = std::move(nodes);
    filters_ = std::move(filters);
    Reindex();
    cursor_ = kRoot;
    Announce(DocumentEvent::ForFolderTree());
}

std::optional<std::string> CFolderTree::FolderName(std::int32_t folderId) const {
    const auto index = FindIndex(folderId);
    if (!index) {
        return std::nullopt;
    }
    return nodes_[*index].name.Get();
}

bool CFolderTree::operator==(const CFolderTree& other) const {
    return nextFolderId_ == other.nextFolderId_ && nodes_ == other.nodes_ &&
           filters_ == other.filters_;
}

}  // namespace gb::itemdb
