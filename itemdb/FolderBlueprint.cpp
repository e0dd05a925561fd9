#include "itemdb/FolderBlueprint.h"

#include <span>
#include <string>
#include <vector>

#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemFilter.h"
#include "itemdb/LotkeeperStrings.h"

namespace gb::itemdb {

namespace {

constexpr int kDefaultColumnSetString = 499;
constexpr int kProductPageString = 59504;

// A folder id in a table: a fixed id, the id a row of the same table was
// given (rows count from 1), or the id of the folder being made.
struct IdRef {
    enum class Kind { None, Fixed, Row, Self };
    Kind kind = Kind::None;
    std::int32_t value = 0;
};

constexpr IdRef Id(std::int32_t id) {
    return {IdRef::Kind::Fixed, id};
}
constexpr IdRef Row(int row) {
    return {IdRef::Kind::Row, row};
}
constexpr IdRef kOwnId{IdRef::Kind::Self, 0};
constexpr IdRef kNewId{};

// A text in a table: a string of the string table, a literal, or the name the
// caller passes in.
struct TextRef {
    enum class Kind { None, String, Literal, Caller };
    Kind kind = Kind::None;
    int stringId = 0;
    std::string_view literal;
};

constexpr TextRef Str(int id) {
    return {TextRef::Kind::String, id, {}};
}
constexpr TextRef Text(std::string_view text) {
    return {TextRef::Kind::Literal, 0, text};
}
constexpr TextRef kCallerName{TextRef::Kind::Caller, 0, {}};
constexpr TextRef kColumns = Str(kDefaultColumnSetString);
constexpr TextRef kEmpty{};

// What a folder's fresh filter is set to select; the defaults leave it as made.
struct FolderCriteria {
    std::int32_t stateMask = CItemFilter::AllStates;
    std::int32_t bids = 0;
    IdRef status;
    IdRef category;
    IdRef storageFolder;

    constexpr FolderCriteria Bids(std::int32_t value) const {
        FolderCriteria criteria = *this;
        criteria.bids = value;
        return criteria;
    }
    constexpr FolderCriteria Status(IdRef id) const {
        FolderCriteria criteria = *this;
        criteria.status = id;
        return criteria;
    }
    constexpr FolderCriteria Category(IdRef id) const {
        FolderCriteria criteria = *this;
        criteria.category = id;
        return criteria;
    }
    constexpr FolderCriteria StoredIn(IdRef id) const {
        FolderCriteria criteria = *this;
        criteria.storageFolder = id;
        return criteria;
    }
};

constexpr FolderCriteria Mask(std::int32_t stateMask) {
    FolderCriteria criteria;
    criteria.stateMask = stateMask;
    return criteria;
}

struct FolderRow {
    std::int32_t kind;
    IdRef id;  // none: the next automatic id
    IdRef parent;
    IdRef insertAfter;
    std::int32_t type;
    TextRef name;
    std::int32_t heading;
    std::int32_t fixed;
    TextRef description;
    TextRef data;
    FolderCriteria filter;
};

constexpr std::int32_t kInProgressMask = CItemFilter::InProgressBit;
constexpr std::int32_t kEndedMask = CItemFilter::EndedBit;
constexpr std::int32_t kArchiveMask = CItemFilter::ArchiveBit;
constexpr std::int32_t kDeletedMask = CItemFilter::DeletedBit;
constexpr std::int32_t kKeptMask =
    CItemFilter::InProgressBit | CItemFilter::EndedBit | CItemFilter::ArchiveBit;

using namespace folder;

// clang-format off
constexpr FolderRow kDefaultTree[] = {
    {ByStatus, Id(ByStatus), Id(Root), Id(Root), ByStatus, Str(ByStatus), 1, 1, kEmpty, kEmpty, {}},
    {ByCategory, Id(ByCategory), Id(Root), Id(ByStatus), ByCategory, Str(ByCategory), 1, 1, kEmpty, kEmpty, {}},
    {Reports, Id(Reports), Id(Root), Id(ByCategory), Reports, Str(Reports), 1, 1, kEmpty, kEmpty, {}},
    {DeletedItems, Id(DeletedItems), Id(Root), Id(Reports), DeletedItems, Str(DeletedItems), 1, 1, kEmpty, kEmpty, {}},
    {Archive, Id(Archive), Id(Root), Id(DeletedItems), Archive, Str(Archive), 1, 1, kEmpty, kEmpty, {}},
    {WebSites, Id(WebSites), Id(Root), Id(Archive), WebSites, Str(WebSites), 1, 1, kEmpty, kEmpty, {}},
    {UserGuide, Id(UserGuide), Id(Root), Id(WebSites), UserGuide, Str(UserGuide), 1, 1, kEmpty, kEmpty, {}},
    {Sample, kNewId, Id(ByStatus), Id(ByStatus), ByStatus, Str(Sample), 0, 0,
     Text("Add your own status - Payment Pending, To Be Shipped, etc."), kColumns,
     Mask(kEndedMask).Status(kOwnId)},
    {Sample, kNewId, Id(ByCategory), Id(ByCategory), ByCategory, Str(Sample), 0, 0,
     Text("Sample Category - add your own item categories"), kColumns,
     Mask(kKeptMask).Category(kOwnId)},
    {SearchResults, Id(SearchResults), Id(Reports), Id(Reports), Reports, Str(SearchResults), 0, 1,
     Text("Items matching most recent search criteria"), kColumns, {}},
    {Sample, kNewId, Id(Reports), Id(SearchResults), Reports, Str(Sample), 0, 0, kEmpty, kColumns, {}},
    {AllItems, Id(AllItems), Id(Archive), Id(Archive), Archive, Str(AllItems), 0, 1,
     Text("Items that have been recently archived"), kColumns,
     Mask(kArchiveMask)},
    {Bids, Id(Bids), Id(Archive), Id(AllItems), Archive, Str(Bids), 0, 1,
     Text("Recently archived with bids"), kColumns, Mask(kArchiveMask).Bids(Bids)},
    {NoBids, Id(NoBids), Id(Archive), Id(Bids), Archive, Str(NoBids), 0, 1,
     Text("Recently archived with no bids"), kColumns, Mask(kArchiveMask).Bids(NoBids)},
    {AllItems, kNewId, Id(DeletedItems), Id(DeletedItems), DeletedItems, Str(AllItems), 0, 1,
     Text("Items to delete when the program exits"), kColumns, Mask(kDeletedMask)},
    {Sample, kNewId, Id(WebSites), Id(WebSites), WebSites, Str(Sample), 0, 0,
     Text("Sample Website - bookmark useful sites"), Str(kProductPageString), {}},
    {Contents, Id(Contents), Id(UserGuide), Id(UserGuide), UserGuide, Text("Contents"), 0, 1,
     kEmpty, Str(Contents), {}},
    {QuickStart, Id(QuickStart), Id(UserGuide), Id(Contents), UserGuide, Text("Quick Start"), 0, 1,
     kEmpty, Str(QuickStart), {}},
    {VersionUpdates, Id(VersionUpdates), Id(UserGuide), Id(QuickStart), UserGuide,
     Text("Version Updates"), 0, 1, kEmpty, Str(VersionUpdates), {}},
};

// Row 1 is the seller folder itself; every item folder shows only the items
// stored in it.
constexpr IdRef kSeller = Row(1);
constexpr FolderRow kSellerFolder[] = {
    {Sample, kNewId, Id(Root), Id(Root), Auctions, kCallerName, 1, 0, kEmpty, kEmpty, {}},
    {NeedsAttention, kNewId, kSeller, kSeller, Auctions, Str(NeedsAttention), 0, 1,
     Text("Please select a status for these items"), kColumns,
     Mask(kEndedMask).Status(Id(NeedsAttention)).StoredIn(kSeller)},
    {NoCategory, kNewId, kSeller, Row(2), Auctions, Str(NoCategory), 0, 1,
     Text("Items that have not been assigned to any categories"), kColumns,
     Mask(kKeptMask).Category(Id(NoCategory)).StoredIn(kSeller)},
    {InProgress, kNewId, kSeller, Row(3), InProgress, Str(InProgress), 1, 1, kEmpty, kEmpty, {}},
    // The Auction Ended group has the In Progress type; its folders have their own.
    {AuctionEnded, kNewId, kSeller, Row(4), InProgress, Str(AuctionEnded), 1, 1, kEmpty, kEmpty, {}},
    {AllItems, kNewId, Row(4), Row(4), InProgress, Str(AllItems), 0, 1,
     Text("Auctions in progress"), kColumns,
     Mask(kInProgressMask).StoredIn(kSeller)},
    {Bids, kNewId, Row(4), Row(6), InProgress, Str(Bids), 0, 1,
     Text("Auctions with bids"), kColumns,
     Mask(kInProgressMask).Bids(Bids).StoredIn(kSeller)},
    {NoBids, kNewId, Row(4), Row(7), InProgress, Str(NoBids), 0, 1,
     Text("Auctions waiting for bids"), kColumns,
     Mask(kInProgressMask).Bids(NoBids).StoredIn(kSeller)},
    {AllItems, kNewId, Row(5), Row(5), AuctionEnded, Str(AllItems), 0, 1,
     Text("Auctions that have ended"), kColumns,
     Mask(kEndedMask).StoredIn(kSeller)},
    {Bids, kNewId, Row(5), Row(9), AuctionEnded, Str(Bids), 0, 1,
     Text("Auctions ended with success"), kColumns,
     Mask(kEndedMask).Bids(Bids).StoredIn(kSeller)},
    {NoBids, kNewId, Row(5), Row(10), AuctionEnded, Str(NoBids), 0, 1,
     Text("Auctions ended with no bids"), kColumns,
     Mask(kEndedMask).Bids(NoBids).StoredIn(kSeller)},
};
// clang-format on

// Adds a table's folders in order, resolving row references as it goes.
class BlueprintBuilder {
public:
    BlueprintBuilder(CFolderTree& tree, std::string_view callerName)
        : tree_(tree), callerName_(callerName) {}

    std::int32_t Build(std::span<const FolderRow> rows) {
        for (const FolderRow& row : rows) {
            ids_.push_back(Add(row));
        }
        return ids_.empty() ? 0 : ids_.back();
    }

    const std::vector<std::int32_t>& Ids() const { return ids_; }

private:
    std::int32_t Resolve(IdRef ref, std::int32_t own) const {
        switch (ref.kind) {
            case IdRef::Kind::Fixed:
                return ref.value;
            case IdRef::Kind::Row:
                return ids_.at(static_cast<std::size_t>(ref.value - 1));
            case IdRef::Kind::Self:
                return own;
            case IdRef::Kind::None:
                break;
        }
        return 0;
    }

    std::string TextOf(const TextRef& ref) const {
        switch (ref.kind) {
            case TextRef::Kind::String:
                return LoadString(ref.stringId);
            case TextRef::Kind::Literal:
                return std::string(ref.literal);
            case TextRef::Kind::Caller:
                return std::string(callerName_);
            case TextRef::Kind::None:
                break;
        }
        return {};
    }

    std::int32_t Add(const FolderRow& row) {
        const std::int32_t id = tree_.AddNode(row.kind, Resolve(row.parent, 0),
                                              Resolve(row.insertAfter, 0), Resolve(row.id, 0));
        tree_.SetCurType(row.type);
        tree_.SetCurName(TextOf(row.name));
        tree_.SetCurHeading(row.heading);
        tree_.SetCurFixed(row.fixed);
        tree_.SetCurDescription(TextOf(row.description));
        tree_.SetCurColumnsOrURL(TextOf(row.data));
        if (const CItemFilter* own = tree_.GetCurFilter()) {
            CItemFilter filter = *own;
            Apply(row.filter, id, filter);
            tree_.SetCurFilter(filter);
        }
        return id;
    }

    void Apply(const FolderCriteria& criteria, std::int32_t own, CItemFilter& filter) const {
        filter.Reset();
        filter.SetStateMask(criteria.stateMask);
        filter.SetBids(criteria.bids);
        if (criteria.status.kind != IdRef::Kind::None) {
            filter.AddStatus(Resolve(criteria.status, own));
        }
        if (criteria.category.kind != IdRef::Kind::None) {
            filter.AddCategory(Resolve(criteria.category, own));
        }
        if (criteria.storageFolder.kind != IdRef::Kind::None) {
            filter.AddFolder(Resolve(criteria.storageFolder, own));
        }
    }

    CFolderTree& tree_;
    std::string_view callerName_;
    std::vector<std::int32_t> ids_;
};

}  // namespace

std::int32_t FolderBlueprint::AddDefaultFolders(CFolderTree& tree) {
    return BlueprintBuilder(tree, {}).Build(kDefaultTree);
}

std::int32_t FolderBlueprint::AddSellerFolder(CFolderTree& tree, std::string_view displayName) {
    BlueprintBuilder builder(tree, displayName);
    builder.Build(kSellerFolder);
    return builder.Ids().front();
}

}  // namespace gb::itemdb
