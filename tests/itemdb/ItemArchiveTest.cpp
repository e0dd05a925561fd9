#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "HandBuiltRecord.h"
#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "platform/Archive.h"

using namespace gb::itemdb;

namespace {

constexpr std::int32_t kCurrentVersion = 272252;
constexpr std::size_t kCategoryCountOffset = 4 + 1 + 1 + 4;

// A new item's record in the current layout, with the itemized codes as given.
std::string DefaultRecordBytes(std::string_view feeCodes = "", std::string_view chargeCodes = "") {
    HandBuiltRecord r;
    r.Int32(101).Text("").Text("").Int32(116).Int32(0);  // folder, site, seller, status, count
    r.Text("NEW ITEM").Text("New Inventory to Add");     // auction ID, description
    r.NullDate().NullDate().NullDate().NullDate();       // start, end, pay, ship
    r.Amount(0).Amount(0).NullMoney();                   // min bid, max bid, amount received
    r.Text("");                                          // payment method
    r.Amount(0).Amount(0).Amount(0);                     // insurance, S&H charge, ship cost
    r.Text("").Text("").Int32(0).Text("");               // buyer, e-mail, rating, address
    r.NullMoney().Amount(0).Amount(0);                   // insertion, final, other fees
    r.Text("").Text("").Text("").Text("").Text("");      // item, pay, invoice, shipping, fee notes
    r.NullDate().Text("").Amount(0).Text("");            // updated, weight, item cost, method
    r.Text("").Text("").Amount(0).Amount(0);             // charge note, feedback, reserve, other
    r.Text(feeCodes).Text(chargeCodes).Amount(0);        // fee codes, charge codes, transaction fee
    r.Text("").Byte(0);                                  // auction type, store flag
    return r.Bytes();
}

const double kStartDays = 44986.25;   // 2023-03-01 06:00
const double kEndDays = 44993.75;     // 2023-03-08 18:00
const double kPayDays = 44995.0;      // 2023-03-10
const double kUpdatedDays = 44994.5;  // 2023-03-09 12:00

// A sold item's record in the layout of `version`.
std::string SampleRecordBytes(std::int32_t version) {
    HandBuiltRecord r;
    r.Int32(250).Text("eBay USA").Text("seller1").Int32(151).Int32(2);
    r.Text("1234567").Text("Brass lamp");
    r.Date(0, kStartDays).Date(0, kEndDays).Date(0, kPayDays).NullDate();
    r.Amount(10000).Amount(125000).Amount(130000).Text("PayPal");
    r.Amount(15000).Amount(50000).Amount(45000);
    r.Text("buyer9").Text("b@example.com").Int32(-3).Text("Line 1\r\nLine 2");
    r.Amount(3500).Amount(6250).Amount(0);
    r.Text("item note")
        .Text("pay note")
        .Text("invoice note")
        .Text("shipping note")
        .Text("fee note");
    r.Date(0, kUpdatedDays).Text("2 lb").Amount(40000).Text("Priority");
    if (version >= 272250) {
        r.Text("charge note").Text("positive").Amount(100000).Amount(2500);
        r.Text("\"!").Text("#!\"").Amount(3000);
    }
    if (version >= 272251) {
        r.Text("Chinese");
    }
    if (version >= 272252) {
        r.Byte(1);
    }
    r.Int32(152).Int32(158);
    return r.Bytes();
}

std::string Write(CAucItem item, std::int32_t version = kCurrentVersion) {
    gb::Archive ar = gb::Archive::ForStoring("item.pro", version);
    item.Serialize(ar);
    return ar.Bytes();
}

CAucItem Read(const std::string& bytes, std::int32_t version, CAucItem item = CAucItem()) {
    gb::Archive ar = gb::Archive::ForLoading(bytes, "item.pro", version);
    item.Serialize(ar);
    EXPECT_TRUE(ar.AtEnd()) << ar.Remaining() << " bytes left";
    return item;
}

gb::ArchiveException::Cause CauseOfReading(const std::string& bytes, std::int32_t version) {
    try {
        Read(bytes, version);
    } catch (const gb::ArchiveException& e) {
        return e.cause();
    }
    ADD_FAILURE() << "no ArchiveException";
    return gb::ArchiveException::Cause::Generic;
}

TEST(ItemArchive, DefaultItemIsTheHandBuiltRecord) {
    const std::string expected = DefaultRecordBytes();
    ASSERT_EQ(expected.size(), 281u);
    EXPECT_EQ(Write(CAucItem()), expected);
}

TEST(ItemArchive, WritesTheCurrentLayoutWhateverTheArchiveVersion) {
    EXPECT_EQ(Write(CAucItem(), 272249), DefaultRecordBytes());
}

struct LayoutCase {
    std::int32_t version;
    bool chargeFields;
    bool auctionType;
    bool storeFlag;
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << "version " << c.version;
}

class ItemLayoutTest : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(ItemLayoutTest, ReadsTheVersionsFieldsAndResetsTheOthers) {
    const LayoutCase c = GetParam();
    // Stale values in every field an older layout lacks, to see them reset.
    CAucItem stale;
    stale.SetChargeNote("stale");
    stale.SetFeedback("stale");
    stale.AddItemizedCharge(3);
    stale.AddItemizedFee(4);
    stale.SetReserveAmt("9");
    stale.SetOtherCharges("9");
    stale.SetTransactionFee("9");
    stale.SetAuctionType("stale");
    stale.SetStoreItem(true);

    const CAucItem item = Read(SampleRecordBytes(c.version), c.version, stale);

    EXPECT_EQ(item.GetStorageFolder(), 250);
    EXPECT_EQ(item.GetSite(), "eBay USA");
    EXPECT_EQ(item.GetStatus(), 151);
    EXPECT_EQ(item.GetAuctionId(), "1234567");
    EXPECT_EQ(*item.GetDateValue(field::EndTime), gb::DateTime::FromCivil(2023, 3, 8, 18));
    EXPECT_EQ(*item.GetMoneyValue(field::AmtReceived), gb::Money::FromUnits(130000));
    EXPECT_EQ(item.GetShippingAddress(), "Line 1\r\nLine 2");
    EXPECT_EQ(*item.GetMoneyValue(field::InsertionFee), gb::Money::FromUnits(3500));
    EXPECT_EQ(*item.GetDateValue(field::Updated), gb::DateTime::FromCivil(2023, 3, 9, 12));
    EXPECT_EQ(item.GetShippingMethod(), "Priority");
    EXPECT_EQ(std::vector<std::int32_t>(item.GetCategories().begin(), item.GetCategories().end()),
              (std::vector<std::int32_t>{152, 158}));

    if (c.chargeFields) {
        EXPECT_EQ(item.GetChargeNote(), "charge note");
        EXPECT_EQ(item.GetFeedback(), "positive");
        EXPECT_EQ(*item.GetMoneyValue(field::ReserveAmt), gb::Money::FromUnits(100000));
        EXPECT_EQ(*item.GetMoneyValue(field::OtherCharges), gb::Money::FromUnits(2500));
        EXPECT_EQ(*item.GetMoneyValue(field::TransactionFee), gb::Money::FromUnits(3000));
        EXPECT_TRUE(item.HasItemizedFee(0));
        EXPECT_TRUE(item.HasItemizedCharge(1));
    } else {
        EXPECT_EQ(item.GetChargeNote(), "");
        EXPECT_EQ(item.GetFeedback(), "");
        EXPECT_EQ(*item.GetMoneyValue(field::ReserveAmt), gb::Money());
        EXPECT_EQ(*item.GetMoneyValue(field::OtherCharges), gb::Money());
        EXPECT_EQ(*item.GetMoneyValue(field::TransactionFee), gb::Money());
        EXPECT_FALSE(item.HasItemizedFee(4));
        EXPECT_FALSE(item.HasItemizedCharge(3));
    }
    EXPECT_EQ(item.GetAuctionType(), c.auctionType ? "Chinese" : "");
    EXPECT_EQ(item.IsStoreItem(), c.storeFlag);
}

INSTANTIATE_TEST_SUITE_P(Versions, ItemLayoutTest,
                         ::testing::Values(LayoutCase{272246, false, false, false},
                                           LayoutCase{272249, false, false, false},
                                           LayoutCase{272250, true, false, false},
                                           LayoutCase{272251, true, true, false},
                                           LayoutCase{272252, true, true, true}));

TEST(ItemArchive, RoundTripsEveryFieldButTheState) {
    CAucItem item;
    item.SetFolderId(250);
    item.SetSite("eBay UK");
    item.SetSellerId("seller");
    item.SetStatus(160, true);
    item.AddCategory(155);
    item.AddCategory(153);
    item.SetAuctionId("98765");
    item.SetDescription(std::string(300, 'd'));  // a long text
    item.SetAuctionType("Store");
    item.SetStoreItem(true);
    item.SetStartDate("3/1/2023 6:00:00 AM");
    item.SetEndDate("3/31/2023 6:00:00 PM");
    item.SetPayDate("4/2/2023");
    item.SetShipDate("bogus");  // invalid
    item.SetMinBid("1");
    item.SetMaxBid("-2.5");
    item.SetItemCost("3");
    item.SetBuyerId("buyer");
    item.SetEmail("buyer@example.com");
    item.SetRating("-12");
    item.SetShippingAddress("A\r\nB\rC");
    item.SetWeight("1 lb");
    item.SetShippingMethod("Ground");
    item.SetSHCharge("4");
    item.SetInsuranceCost("5");
    item.SetShipCost("6");
    item.SetAmtReceived("7");
    item.SetTransactionFee("8");
    item.SetPaymentMethod("Check");
    item.SetFeedback("good");
    item.AddItemizedCharge(2);
    item.AddItemizedFee(30);
    item.SetReserveAmt("9");
    item.SetOtherCharges("10");
    item.SetInsertionFee("11");
    item.SetFinalFee("");  // null
    item.SetMoneyValue(field::OtherFees, gb::Money::FromRaw(gb::ValueStatus::Invalid, 77));
    item.SetItemNote("n1");
    item.SetInvoiceNote("n2");
    item.SetShippingNote("n3");
    item.SetPayNote("n4");
    item.SetFeeNote("n5");
    item.SetChargeNote("n6");
    item.SetUpdated("3/9/2023 12:00:00 PM");
    item.SetState(103);

    CAucItem reread = Read(Write(item), kCurrentVersion);
    EXPECT_EQ(reread.GetState(), 0);
    reread.SetState(103);
    EXPECT_EQ(reread, item);
}

// Codes past the count that a stored file carries are seen and kept.
TEST(ItemArchive, ItemizedCodesPastTheCountAreSeenAndKept) {
    CAucItem item = Read(DefaultRecordBytes("\"!$", "!\""), kCurrentVersion);
    EXPECT_TRUE(item.HasItemizedFee(0));
    EXPECT_TRUE(item.HasItemizedFee(3));
    EXPECT_TRUE(item.HasItemizedCharge(1));
    EXPECT_FALSE(item.AddItemizedFee(3));
    EXPECT_TRUE(item.AddItemizedFee(5));
    EXPECT_TRUE(item.AddItemizedCharge(2));
    EXPECT_EQ(Write(item), DefaultRecordBytes("$!$&", "#\"#"));
}

TEST(ItemArchive, AnyNonZeroStoreFlagReadsAsSet) {
    std::string bytes = DefaultRecordBytes();
    bytes.back() = 7;
    const CAucItem item = Read(bytes, kCurrentVersion);
    EXPECT_TRUE(item.IsStoreItem());
    EXPECT_EQ(Write(item).back(), 1);
}

class CategoryCountTest : public ::testing::TestWithParam<std::int32_t> {};

TEST_P(CategoryCountTest, OutsideZeroToTwentyIsAMalformedFile) {
    std::string bytes = DefaultRecordBytes() + std::string(200, '\x01');
    HandBuiltRecord count;
    count.Int32(GetParam());
    bytes.replace(kCategoryCountOffset, 4, count.Bytes());
    EXPECT_EQ(CauseOfReading(bytes, kCurrentVersion), gb::ArchiveException::Cause::Generic);
}

INSTANTIATE_TEST_SUITE_P(Counts, CategoryCountTest, ::testing::Values(-1, 21, 0x7FFFFFFF));

TEST(ItemArchive, TwentyCategoriesRead) {
    CAucItem item;
    for (std::int32_t id = 200; id < 220; ++id) {
        item.AddCategory(id);
    }
    EXPECT_EQ(Read(Write(item), kCurrentVersion), item);
}

TEST(ItemArchive, ATruncatedRecordThrows) {
    const std::string bytes = SampleRecordBytes(kCurrentVersion);
    for (const std::size_t length :
         {std::size_t{0}, std::size_t{3}, std::size_t{100}, bytes.size() - 4, bytes.size() - 1}) {
        EXPECT_EQ(CauseOfReading(bytes.substr(0, length), kCurrentVersion),
                  gb::ArchiveException::Cause::EndOfFile)
            << length;
    }
}

TEST(ItemArchive, VersionsOutsideTheProfileRangeAreRefused) {
    for (const std::int32_t version : {0, 272245, 272253}) {
        EXPECT_EQ(CauseOfReading(DefaultRecordBytes(), version),
                  gb::ArchiveException::Cause::BadSchema)
            << version;
    }
}

}  // namespace
