// A profile file assembled byte by byte, without the production writer: one
// seller, the default folders and one item, in version 272252.

#include <gtest/gtest.h>

#include <bit>
#include <string>
#include <string_view>

#include "ProfileTestWriter.h"
#include "itemdb/AucDoc.h"

using namespace gb::itemdb;

namespace {

class GoldenBytes {
public:
    GoldenBytes& Byte(std::uint8_t value) {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    GoldenBytes& UInt16(std::uint16_t value) { return LittleEndian(value, 2); }
    GoldenBytes& Int32(std::int32_t value) {
        return LittleEndian(static_cast<std::uint32_t>(value), 4);
    }
    // A text below 255 characters: its length byte, then the characters.
    GoldenBytes& Text(std::string_view text) {
        Byte(static_cast<std::uint8_t>(text.size()));
        bytes_ += text;
        return *this;
    }
    // A text in a zero-filled field of `size` bytes.
    GoldenBytes& Field(std::string_view text, std::size_t size) {
        bytes_ += text;
        bytes_.append(size - text.size(), '\0');
        return *this;
    }
    GoldenBytes& Date(double days) {
        Int32(0);
        return LittleEndian(std::bit_cast<std::uint64_t>(days), 8);
    }
    GoldenBytes& NullDate() {
        Int32(2);
        return LittleEndian(0, 8);
    }
    GoldenBytes& Amount(std::int64_t units) {
        Int32(0);
        Int32(static_cast<std::int32_t>(units >> 32));
        return LittleEndian(static_cast<std::uint32_t>(units), 4);
    }
    GoldenBytes& NullMoney() {
        Int32(2);
        return LittleEndian(0, 8);
    }

    const std::string& Bytes() const { return bytes_; }

private:
    GoldenBytes& LittleEndian(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
        return *this;
    }

    std::string bytes_;
};

constexpr const char* kColumns =
    "-ABCDEFGHIJKL - We subtact '!' to get column numbers. The first column specifies the "
    "number of cols.";
constexpr double kStartDays = 45352.0;  // 2024-03-01

struct NodeBytes {
    std::int32_t kind, type, id, parent, next;
    const char* name;
    const char* description;
    const char* data;
    std::int32_t heading, fixed, filter;
};

// The default tree in array order (the order the folders were made in).
// clang-format off
const NodeBytes kNodes[] = {
    {100, 100, 100, 0, 1, "Golden", "", "", 1, 1, -1},
    {104, 104, 104, 100, 8, "By Status", "", "", 1, 1, 0},
    {105, 105, 105, 100, 9, "By Category", "", "", 1, 1, 1},
    {106, 106, 106, 100, 10, "Reports", "", "", 1, 1, 2},
    {110, 110, 110, 100, 15, "Deleted Items", "", "", 1, 1, 3},
    {107, 107, 107, 100, 12, "Archive", "", "", 1, 1, 4},
    {108, 108, 108, 100, 16, "Web Sites", "", "", 1, 1, -1},
    {119, 119, 119, 100, 17, "User Guide", "", "", 1, 1, 5},
    {127, 104, 151, 104, 2, "Sample - Rename this",
     "Add your own status - Payment Pending, To Be Shipped, etc.", kColumns, 0, 0, 6},
    {127, 105, 152, 105, 3, "Sample - Rename this",
     "Sample Category - add your own item categories", kColumns, 0, 0, 7},
    {118, 106, 118, 106, 11, "Search Results", "Items matching most recent search criteria",
     kColumns, 0, 1, 8},
    {127, 106, 153, 106, 4, "Sample - Rename this", "", kColumns, 0, 0, 9},
    {111, 107, 111, 107, 13, "All Items", "Items that have been recently archived", kColumns, 0, 1, 10},
    {112, 107, 112, 107, 14, "Bids", "Recently archived with bids", kColumns, 0, 1, 11},
    {113, 107, 113, 107, 6, "No Bids", "Recently archived with no bids", kColumns, 0, 1, 12},
    {111, 110, 154, 110, 5, "All Items", "Items to delete when the program exits", kColumns, 0, 1, 13},
    {127, 108, 155, 108, 7, "Sample - Rename this", "Sample Website - bookmark useful sites",
     "https://www.norvel-software.example/gavelbook/", 0, 0, 14},
    {114, 119, 114, 119, 18, "Contents", "", "res://Vellumark.dll/102", 0, 1, 15},
    {115, 119, 115, 119, 19, "Quick Start", "", "res://Vellumark.dll/101", 0, 1, 16},
    {121, 119, 121, 119, 0, "Version Updates", "", "res://Vellumark.dll/108", 0, 1, 17},
};
// clang-format on

struct FilterBytes {
    std::int32_t mask, bids, status, category;
};

// The filters in array order.
const FilterBytes kFilters[] = {
    {15, 0, 0, 0},  {15, 0, 0, 0},  {15, 0, 0, 0}, {15, 0, 0, 0}, {15, 0, 0, 0}, {15, 0, 0, 0},
    {2, 0, 151, 0}, {7, 0, 0, 152}, {15, 0, 0, 0}, {15, 0, 0, 0}, {4, 0, 0, 0},  {4, 112, 0, 0},
    {4, 113, 0, 0}, {8, 0, 0, 0},   {15, 0, 0, 0}, {15, 0, 0, 0}, {15, 0, 0, 0}, {15, 0, 0, 0},
};

std::string GoldenProfile() {
    GoldenBytes b;
    // Header.
    b.Int32(272252).Text("Golden").Int32(151).Int32(0);
    // Seller list.
    b.Int32(1);
    b.Int32(1).Int32(0).Text("goldseller - USA").Int32(0).NullDate();
    b.Text("eBay USA").Text("{A1}").Text("").Text("").Text("goldseller").Text("pw");
    // Folder tree.
    b.Int32(156).UInt16(20);
    for (const NodeBytes& n : kNodes) {
        b.Int32(n.kind).Int32(n.type).Int32(n.id).Int32(n.parent).Int32(n.next);
        b.Field(n.name, 60).Field(n.description, 254).Field(n.data, 254);
        b.Int32(n.heading).Int32(n.fixed).Int32(n.filter);
    }
    b.UInt16(18);
    for (const FilterBytes& f : kFilters) {
        b.Int32(f.mask).NullDate().NullDate().Int32(f.bids);
        b.Int32(0).Text("").Int32(0).Int32(0);  // search field and text, category mode, date
        for (int slot = 0; slot < 20; ++slot) {
            b.Text("").Text("");  // site, seller
            b.Int32(slot == 0 ? f.category : 0).Int32(slot == 0 ? f.status : 0).Int32(0);
        }
    }
    // Item list: one item in progress, none ended or archived.
    b.UInt16(1);
    b.Int32(101).Text("eBay USA").Text("goldseller").Int32(116).Int32(0);
    b.Text("5001").Text("Golden item");
    b.Date(kStartDays).NullDate().NullDate().NullDate();  // start, end, pay, ship
    b.Amount(25000).Amount(70000).NullMoney();            // min bid, max bid, received
    b.Text("");                                           // payment method
    b.Amount(0).Amount(0).Amount(0);                      // insurance, S&H, ship cost
    b.Text("").Text("").Int32(0).Text("");                // buyer, e-mail, rating, address
    b.NullMoney().Amount(0).Amount(0);                    // insertion, final, other fees
    b.Text("").Text("").Text("").Text("").Text("");       // notes
    b.NullDate().Text("").Amount(0).Text("");             // updated, weight, cost, method
    b.Text("").Text("").Amount(0).Amount(0);              // charge note, feedback, reserve, other
    b.Text("").Text("").Amount(0);                        // fee and charge codes, transaction fee
    b.Text("").Byte(0);                                   // auction type, store flag
    b.UInt16(0).UInt16(0);
    return b.Bytes();
}

// The same profile made through the document's operations.
void MakeGoldenDocument(CAucDoc& doc) {
    doc.SetProfileName("Golden");
    doc.GetSellerList().AddSeller("goldseller", "eBay USA", "{A1}");
    doc.GetSellerList().SetPassword("pw");
    doc.CheckFolders();
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetSellerId("goldseller");
    item.SetAuctionId("5001");
    item.SetDescription("Golden item");
    item.SetStartDate("3/1/2024");
    item.SetMinBid("$2.50");
    item.SetMaxBid("$7.00");
    doc.GetItemList().AddItem(item, 102);
}

TEST(ProfileGolden, WriterReproducesTheHandBuiltFile) {
    CAucDoc doc;
    MakeGoldenDocument(doc);
    const std::string golden = GoldenProfile();
    const std::string written = StoreProfile(doc);
    ASSERT_EQ(written.size(), golden.size());
    for (std::size_t i = 0; i < golden.size(); ++i) {
        ASSERT_EQ(written[i], golden[i]) << "first difference at byte " << i;
    }
}

TEST(ProfileGolden, ReaderTakesTheHandBuiltFile) {
    CAucDoc expected;
    MakeGoldenDocument(expected);
    CAucDoc doc;
    LoadProfile(doc, GoldenProfile());
    EXPECT_EQ(doc.GetFileVersion(), 272252);
    EXPECT_EQ(doc.GetProfileName(), "Golden");
    EXPECT_EQ(doc.GetSelectedFolderId(), 151);
    EXPECT_EQ(doc.GetHeaderValue(), 0);
    EXPECT_EQ(doc.GetSellerList(), expected.GetSellerList());
    EXPECT_EQ(doc.EditFolders(), expected.EditFolders());
    CItemList::ListPos position;
    ASSERT_TRUE(doc.GetItemList().FindItem("eBay USA", "5001", &position, 102));
    const CAucItem* item = doc.GetItemList().GetItem(position);
    CAucItem wanted = *expected.GetItemList().GetStateList(102)->Items().begin();
    EXPECT_EQ(*item, wanted);
    EXPECT_TRUE(doc.GetItemList().GetStateList(103)->IsEmpty());
    EXPECT_TRUE(doc.GetItemList().GetStateList(107)->IsEmpty());
}

}  // namespace
