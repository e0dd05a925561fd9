#include "DemoProfile.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

#include "interfaces/ClassIds.h"
#include "itemdb/AucDoc.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FieldId.h"
#include "itemdb/LotkeeperStrings.h"
#include "platform/Archive.h"
#include "platform/Clock.h"
#include "platform/FileIo.h"
#include "platform/Locale.h"

using namespace gb::itemdb;

namespace {

// The seller's own statuses and categories, by their place in these lists.
enum Status { NoStatus, AwaitingPayment, Paid, Shipped };
constexpr std::array<std::string_view, 3> kStatusNames = {"Awaiting Payment", "Paid", "Shipped"};
enum Category { Lighting, Timepieces, Toys, Art };
constexpr std::array<std::string_view, 4> kCategoryNames = {"Lighting", "Timepieces", "Toys",
                                                            "Art"};

struct DemoSeller {
    std::string_view sellerId;
    std::string_view site;
    const gb::Guid& siteClass;
    std::int32_t timeZoneAdjust;
};

const DemoSeller kSellers[] = {
    {"cornercurios", "eBay USA", CLSID_eBayUSA, 0},
    {"curios_uk", "eBay UK", CLSID_eBayUK, 5},
};

constexpr int kNone = 1000;  // no pay or ship date

// Days are counted from today; amounts are in cents.
struct DemoItem {
    std::int32_t state;
    int seller;
    std::string_view auctionId;
    std::string_view description;
    int endDay;
    std::int64_t minBid;
    std::int64_t maxBid;
    std::string_view buyer;
    Status status;
    std::initializer_list<Category> categories;
    int payDay = kNone;
    int shipDay = kNone;
    std::int64_t reserve = 0;
    bool storeItem = false;
};

constexpr std::int32_t kRunning = 102;
constexpr std::int32_t kEnded = 103;
constexpr std::int32_t kArchived = 107;

// clang-format off
const DemoItem kItems[] = {
    {kRunning, 0, "3141592601", "Brass ship's lamp", 4, 999, 2450, "lamplighter", NoStatus, {Lighting}},
    {kRunning, 0, "3141592602", "Pocket watch, silver case", 5, 4900, 4900, "", NoStatus, {Timepieces}},
    {kRunning, 0, "3141592603", "Tin wind-up robot", 6, 1500, 3100, "robofan", NoStatus, {Toys}},
    {kRunning, 0, "3141592604", "Art deco table lamp", 2, 3500, 3500, "", NoStatus, {Lighting, Art}},
    {kRunning, 1, "2718281801", "Victorian carriage clock", 3, 6000, 8800, "clockwork", NoStatus, {Timepieces}},
    {kRunning, 1, "2718281802", "Wooden jigsaw puzzle, 1930s", 5, 800, 800, "", NoStatus, {Toys}},
    {kRunning, 1, "2718281803", "Watercolour, harbour scene", 1, 4000, 6200, "seaview", NoStatus, {Art}},
    {kEnded, 0, "3141592501", "Cast-iron bank", -1, 1200, 1200, "", NoStatus, {Toys}},
    {kEnded, 0, "3141592502", "Railroad lantern", -2, 2000, 4600, "trainbuff", AwaitingPayment, {Lighting}},
    {kEnded, 0, "3141592503", "Wristwatch, 1950s", -4, 3000, 7400, "tictoc", Paid, {Timepieces}, -2},
    {kEnded, 0, "3141592504", "Tin toy car", -9, 1000, 2750, "motorhead", Shipped, {Toys}, -7, -6},
    {kEnded, 0, "3141592505", "Oil painting, still life", -3, 10000, 12000, "artlover", NoStatus, {Art}, kNone, kNone, 15000},
    {kEnded, 0, "3141592506", "Desk lamp with green shade", -5, 1500, 3800, "greenlight", Shipped, {Lighting}, -3, -1},
    {kEnded, 0, "3141592507", "Lamp oil, one quart", -2, 600, 600, "wickwick", Paid, {Lighting}, -1, kNone, 0, true},
    {kEnded, 1, "2718281701", "Brass compass", -2, 1500, 1500, "", NoStatus, {}},
    {kEnded, 1, "2718281702", "Mantel clock", -6, 4500, 9600, "tempus", Paid, {Timepieces}, -4},
    {kEnded, 1, "2718281703", "Lithograph, London bridge", -8, 2500, 5500, "printroom", Shipped, {Art}, -6, -5},
    {kEnded, 1, "2718281704", "Spinning top set", -1, 500, 950, "toptoys", AwaitingPayment, {Toys}},
    {kArchived, 0, "3141592401", "Mechanical pencil", -40, 500, 1800, "scribe", Shipped, {}, -38, -36},
    {kArchived, 0, "3141592402", "Cuckoo clock", -35, 8000, 14000, "birdclock", Shipped, {Timepieces}, -33, -31},
    {kArchived, 0, "3141592403", "Marbles, jar of fifty", -30, 500, 500, "", NoStatus, {Toys}},
    {kArchived, 1, "2718281601", "Etching, country lane", -45, 3000, 7000, "etcher", Shipped, {Art}, -43, -40},
    {kArchived, 1, "2718281602", "Toy soldiers, box of twelve", -50, 1500, 3300, "drummer", Shipped, {Toys}, -48, -47},
    {kArchived, 1, "2718281603", "Oil lamp chimney", -28, 400, 1100, "lampglass", Shipped, {Lighting}, -27, -25},
};
// clang-format on

gb::Money Cents(std::int64_t cents) {
    return gb::Money::FromUnits(cents * 100);
}

// A date as the item's text setters read it.
std::string DateText(const gb::DateTime& date) {
    return gb::FormatDateTime(date, gb::kLocaleUserDefault);
}

// A folder of the seller's own below a group, after `after`, selecting the
// items that carry it as their status (ended items) or as a category.
std::int32_t AddOwnFolder(CFolderTree& tree, std::int32_t group, std::int32_t after,
                          std::string_view name) {
    const std::int32_t id = tree.AddNode(folder::Sample, group, after);
    tree.SetCurType(group);
    tree.SetCurName(name);
    tree.SetCurColumnsOrURL(LoadString(static_cast<int>(StandardColumnSet::Default)));
    CItemFilter filter;
    if (group == folder::ByStatus) {
        filter.SetStateMask(CItemFilter::EndedBit);
        filter.AddStatus(id);
    } else {
        filter.SetStateMask(CItemFilter::InProgressBit | CItemFilter::EndedBit |
                            CItemFilter::ArchiveBit);
        filter.AddCategory(id);
    }
    tree.SetCurFilter(filter);
    return id;
}

template <std::size_t N>
std::array<std::int32_t, N> AddOwnFolders(CFolderTree& tree, std::int32_t group, std::int32_t after,
                                          const std::array<std::string_view, N>& names) {
    std::array<std::int32_t, N> ids{};
    for (std::size_t i = 0; i < N; ++i) {
        ids[i] = after = AddOwnFolder(tree, group, after, names[i]);
    }
    return ids;
}

CAucItem MakeItem(const DemoItem& demo, const DemoSeller& seller, std::int32_t storageFolder,
                  const gb::DateTime& today, std::span<const std::int32_t> statuses,
                  std::span<const std::int32_t> categories) {
    CAucItem item;
    item.SetSite(seller.site);
    item.SetSellerId(seller.sellerId);
    item.SetFolderId(storageFolder);
    item.SetAuctionId(demo.auctionId);
    item.SetDescription(demo.description);
    item.SetAuctionType("Chinese");
    item.SetStoreItem(demo.storeItem);
    const gb::DateTime end = today.AddHours(24 * demo.endDay + 19);
    item.SetStartDate(DateText(end.AddHours(-24 * 7)));
    item.SetEndDate(DateText(end));
    item.SetUpdated(std::nullopt);
    item.SetMoneyValue(field::MinBid, Cents(demo.minBid));
    item.SetMoneyValue(field::MaxBid, Cents(demo.maxBid));
    item.SetMoneyValue(field::InsertionFee, Cents(35));
    item.SetMoneyValue(field::FinalFee, Cents(demo.buyer.empty() ? 0 : demo.maxBid * 5 / 100));
    if (demo.reserve != 0) {
        item.SetMoneyValue(field::ReserveAmt, Cents(demo.reserve));
    }
    if (demo.state == kRunning) {
        item.SetStatus(folder::InProgress, true);
    } else if (demo.status != NoStatus) {
        item.SetStatus(statuses[demo.status - 1], true);
    }
    for (const Category category : demo.categories) {
        item.AddCategory(categories[category]);
    }
    if (!demo.buyer.empty()) {
        const std::string buyer(demo.buyer);
        item.SetBuyerId(buyer);
        item.SetEmail(buyer + "@example.com");
        item.SetRating("42");
        item.SetMoneyValue(field::SHCharge, Cents(650));
    }
    if (demo.payDay != kNone) {
        item.SetPayDate(DateText(today.AddHours(24 * demo.payDay)));
        item.SetMoneyValue(field::AmtReceived, Cents(demo.maxBid + 650));
        item.SetPaymentMethod("PayPal");
        item.SetShippingAddress(std::string(demo.buyer) + "\r\n12 Market Street\r\nSpringfield");
    }
    if (demo.shipDay != kNone) {
        item.SetShipDate(DateText(today.AddHours(24 * demo.shipDay)));
        item.SetMoneyValue(field::ShipCost, Cents(510));
        item.SetShippingMethod(seller.site == "eBay UK" ? "Royal Mail" : "Priority Mail");
        item.SetWeight("2 lb");
    }
    return item;
}

}  // namespace

void BuildDemoProfile(CAucDoc& doc) {
    doc.SetProfileName("Demo");
    CSellerList& sellers = doc.GetSellerList();
    for (const DemoSeller& seller : kSellers) {
        sellers.AddSeller(seller.sellerId, seller.site, seller.siteClass.ToString());
        sellers.SetTimeZoneAdjust(seller.timeZoneAdjust);
        sellers.SetLastUpdate(1);
    }
    doc.EnsureSellerFolders();

    CFolderTree& tree = doc.EditFolders();
    const auto statuses = AddOwnFolders(
        tree, folder::ByStatus,
        tree.FindFolder(LoadString(folder::Sample), folder::ByStatus, 0, folder::Sample),
        kStatusNames);
    const auto categories = AddOwnFolders(
        tree, folder::ByCategory,
        tree.FindFolder(LoadString(folder::Sample), folder::ByCategory, 0, folder::Sample),
        kCategoryNames);

    const gb::DateTime today = gb::Clock::Now().DatePart();
    for (const DemoItem& demo : kItems) {
        sellers.SetCurrent(demo.seller);
        const DemoSeller& seller = kSellers[demo.seller];
        doc.GetItemList().AddItem(
            MakeItem(demo, seller, sellers.GetFolderId(), today, statuses, categories), demo.state);
    }
    // The profile opens on the first seller's running items.
    sellers.SetCurrent(0);
    doc.SelectFolder(
        tree.FindFolder(LoadString(folder::AllItems), sellers.GetFolderId(), 0, folder::AllItems));
}

void WriteDemoProfile(const std::filesystem::path& path) {
    CAucDoc doc;
    BuildDemoProfile(doc);
    gb::Archive ar = gb::Archive::ForStoring(path.string());
    doc.Serialize(ar);
    gb::WriteFileAtomically(path, ar.Bytes(), gb::FileAccess::OwnerOnly);
}
