#include "itemdb/AucItem.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "itemdb/FieldId.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

using TextGetter = std::string_view (CAucItem::*)() const;
using TextSetter = bool (CAucItem::*)(std::string_view);
using MoneyGetter = bool (CAucItem::*)(std::string&, gb::Money*) const;
using MoneySetter = bool (CAucItem::*)(std::string_view);

struct TextAccessors {
    const char* name;
    int fieldId;
    TextGetter get;
    TextSetter set;
};

const TextAccessors kTextAccessors[] = {
    {"AuctionId", field::AuctionId, &CAucItem::GetAuctionId, &CAucItem::SetAuctionId},
    {"Description", field::Description, &CAucItem::GetDescription, &CAucItem::SetDescription},
    {"BuyerId", field::BuyerId, &CAucItem::GetBuyerId, &CAucItem::SetBuyerId},
    {"SellerId", field::SellerId, &CAucItem::GetSellerId, &CAucItem::SetSellerId},
    {"Email", field::Email, &CAucItem::GetEmail, &CAucItem::SetEmail},
    {"Site", field::Site, &CAucItem::GetSite, &CAucItem::SetSite},
    {"AuctionType", field::AuctionType, &CAucItem::GetAuctionType, &CAucItem::SetAuctionType},
    {"ShippingAddress", field::ShippingAddress, &CAucItem::GetShippingAddress,
     &CAucItem::SetShippingAddress},
    {"Weight", field::Weight, &CAucItem::GetWeight, &CAucItem::SetWeight},
    {"ShippingMethod", field::ShippingMethod, &CAucItem::GetShippingMethod,
     &CAucItem::SetShippingMethod},
    {"PaymentMethod", field::PaymentMethod, &CAucItem::GetPaymentMethod,
     &CAucItem::SetPaymentMethod},
    {"Feedback", field::Feedback, &CAucItem::GetFeedback, &CAucItem::SetFeedback},
    {"ItemNote", field::ItemNote, &CAucItem::GetItemNote, &CAucItem::SetItemNote},
    {"InvoiceNote", field::InvoiceNote, &CAucItem::GetInvoiceNote, &CAucItem::SetInvoiceNote},
    {"ShippingNote", field::ShippingNote, &CAucItem::GetShippingNote, &CAucItem::SetShippingNote},
    {"PayNote", field::PayNote, &CAucItem::GetPayNote, &CAucItem::SetPayNote},
    {"FeeNote", field::FeeNote, &CAucItem::GetFeeNote, &CAucItem::SetFeeNote},
    {"ChargeNote", field::ChargeNote, &CAucItem::GetChargeNote, &CAucItem::SetChargeNote},
};

struct MoneyAccessors {
    const char* name;
    int fieldId;
    MoneyGetter get;
    MoneySetter set;
    bool startsNull;
};

const MoneyAccessors kMoneyAccessors[] = {
    {"MinBid", field::MinBid, &CAucItem::GetMinBid, &CAucItem::SetMinBid, false},
    {"MaxBid", field::MaxBid, &CAucItem::GetMaxBid, &CAucItem::SetMaxBid, false},
    {"ItemCost", field::ItemCost, &CAucItem::GetItemCost, &CAucItem::SetItemCost, false},
    {"InsertionFee", field::InsertionFee, &CAucItem::GetInsertionFee, &CAucItem::SetInsertionFee,
     true},
    {"FinalFee", field::FinalFee, &CAucItem::GetFinalFee, &CAucItem::SetFinalFee, false},
    {"InsuranceCost", field::InsuranceCost, &CAucItem::GetInsuranceCost,
     &CAucItem::SetInsuranceCost, false},
    {"AmtReceived", field::AmtReceived, &CAucItem::GetAmtReceived, &CAucItem::SetAmtReceived, true},
    {"ShipCost", field::ShipCost, &CAucItem::GetShipCost, &CAucItem::SetShipCost, false},
    {"SHCharge", field::SHCharge, &CAucItem::GetSHCharge, &CAucItem::SetSHCharge, false},
    {"OtherCharges", field::OtherCharges, &CAucItem::GetOtherCharges, &CAucItem::SetOtherCharges,
     false},
    {"OtherFees", field::OtherFees, &CAucItem::GetOtherFees, &CAucItem::SetOtherFees, false},
    {"ReserveAmt", field::ReserveAmt, &CAucItem::GetReserveAmt, &CAucItem::SetReserveAmt, false},
    {"TransactionFee", field::TransactionFee, &CAucItem::GetTransactionFee,
     &CAucItem::SetTransactionFee, false},
};

TEST(ItemDefaults, NewItemHoldsTheDefaults) {
    const CAucItem item;
    EXPECT_EQ(item.GetAuctionId(), "NEW ITEM");
    EXPECT_EQ(item.GetDescription(), "New Inventory to Add");
    EXPECT_EQ(item.GetStatus(), 116);
    EXPECT_EQ(item.GetStorageFolder(), 101);
    EXPECT_EQ(item.GetState(), 0);
    EXPECT_FALSE(item.IsStoreItem());
    EXPECT_TRUE(item.GetCategories().empty());
    EXPECT_TRUE(item.HasCategory(117));
    for (const int id :
         {field::StartDate, field::EndDate, field::PayDate, field::ShipDate, field::Updated}) {
        EXPECT_TRUE(item.GetDateValue(id)->IsNull()) << id;
    }
}

TEST(ItemDefaults, OnlyInsertionFeeAndAmountReceivedStartNull) {
    const CAucItem item;
    for (const MoneyAccessors& m : kMoneyAccessors) {
        std::string text;
        gb::Money value = gb::Money::Invalid();
        const bool valid = (item.*m.get)(text, &value);
        if (m.startsNull) {
            EXPECT_TRUE(value.IsNull()) << m.name;
            EXPECT_FALSE(valid) << m.name;
            EXPECT_EQ(text, "Unknown") << m.name;
        } else {
            EXPECT_EQ(value, gb::Money()) << m.name;
            EXPECT_TRUE(valid) << m.name;
            EXPECT_EQ(text, "$0.00") << m.name;
        }
    }
}

TEST(ItemTextAccessors, EachSetterReachesItsGetterAndFieldId) {
    for (const TextAccessors& t : kTextAccessors) {
        CAucItem item;
        const std::string value = std::string("value of ") + t.name;
        EXPECT_TRUE((item.*t.set)(value)) << t.name;
        EXPECT_EQ((item.*t.get)(), value) << t.name;
        std::string text;
        EXPECT_TRUE(item.GetFieldText(t.fieldId, text)) << t.name;
        EXPECT_EQ(text, value) << t.name;
        EXPECT_TRUE(item.SetFieldText(t.fieldId, "by field ID")) << t.name;
        EXPECT_EQ((item.*t.get)(), "by field ID") << t.name;
        (item.*t.set)(value);
        // No other text field changed.
        for (const TextAccessors& other : kTextAccessors) {
            if (other.fieldId != t.fieldId) {
                EXPECT_NE((item.*other.get)(), value) << t.name << " leaked into " << other.name;
            }
        }
    }
}

TEST(ItemMoneyAccessors, EachSetterParsesEmptiesAndRefuses) {
    for (const MoneyAccessors& m : kMoneyAccessors) {
        CAucItem item;
        std::string text;
        gb::Money value;

        EXPECT_TRUE((item.*m.set)("1234.5")) << m.name;
        EXPECT_TRUE((item.*m.get)(text, &value)) << m.name;
        EXPECT_EQ(value, gb::Money::FromUnits(12345000)) << m.name;
        EXPECT_EQ(text, "$1,234.50") << m.name;
        EXPECT_EQ(item.GetMoneyValue(m.fieldId), value) << m.name;

        EXPECT_TRUE((item.*m.set)("")) << m.name;
        EXPECT_FALSE((item.*m.get)(text, &value)) << m.name;
        EXPECT_TRUE(value.IsNull()) << m.name;
        EXPECT_EQ(text, "Unknown") << m.name;

        EXPECT_FALSE((item.*m.set)("twelve")) << m.name;
        EXPECT_FALSE((item.*m.get)(text, &value)) << m.name;
        EXPECT_EQ(value.Status(), gb::ValueStatus::Invalid) << m.name;
    }
}

struct BidTextCase {
    const char* text;
    bool accepted;
    gb::ValueStatus status;
    std::int64_t units;
};

void PrintTo(const BidTextCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class BidSetterTest : public ::testing::TestWithParam<BidTextCase> {};

TEST_P(BidSetterTest, ReadsAPriceBehindACurrencyWord) {
    const BidTextCase c = GetParam();
    for (const MoneySetter setter : {&CAucItem::SetMinBid, &CAucItem::SetMaxBid}) {
        CAucItem item;
        EXPECT_EQ((item.*setter)(c.text), c.accepted) << c.text;
        const gb::Money value = setter == &CAucItem::SetMinBid ? *item.GetMoneyValue(field::MinBid)
                                                               : *item.GetMoneyValue(field::MaxBid);
        EXPECT_EQ(value.Status(), c.status) << c.text;
        if (c.status == gb::ValueStatus::Valid) {
            EXPECT_EQ(value.Units(), c.units) << c.text;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, BidSetterTest,
    ::testing::Values(BidTextCase{"US $10.00", true, gb::ValueStatus::Valid, 100000},
                      BidTextCase{"$12.50", true, gb::ValueStatus::Valid, 125000},
                      BidTextCase{"", true, gb::ValueStatus::Null, 0},
                      BidTextCase{"USD", false, gb::ValueStatus::Invalid, 0},
                      BidTextCase{"US ", false, gb::ValueStatus::Invalid, 0},
                      BidTextCase{"US ten", false, gb::ValueStatus::Invalid, 0}));

TEST(ItemMoneyAccessors, OtherAmountsDoNotSkipACurrencyWord) {
    CAucItem item;
    EXPECT_FALSE(item.SetItemCost("US $10.00"));
    EXPECT_EQ(item.GetMoneyValue(field::ItemCost)->Status(), gb::ValueStatus::Invalid);
}

struct EndDateCase {
    int hours;
    int expectedMonth;
    int expectedDay;
    int expectedHour;
};

void PrintTo(const EndDateCase& c, std::ostream* os) {
    *os << c.hours << " hours";
}

class EndDateTest : public ::testing::TestWithParam<EndDateCase> {};

TEST_P(EndDateTest, MovesOnlyTheEndDateByTheHours) {
    const EndDateCase c = GetParam();
    CAucItem item;
    ASSERT_TRUE(item.SetStartDate("3/1/2023 10:00:00 AM"));
    ASSERT_TRUE(item.SetEndDate("3/1/2023 10:00:00 AM", c.hours));
    EXPECT_EQ(*item.GetDateValue(field::EndTime),
              gb::DateTime::FromCivil(2023, c.expectedMonth, c.expectedDay, c.expectedHour));
    EXPECT_EQ(*item.GetDateValue(field::StartDate), gb::DateTime::FromCivil(2023, 3, 1, 10));
}

INSTANTIATE_TEST_SUITE_P(Hours, EndDateTest,
                         ::testing::Values(EndDateCase{0, 3, 1, 10}, EndDateCase{3, 3, 1, 13},
                                           EndDateCase{-5, 3, 1, 5}, EndDateCase{-11, 2, 28, 23}));

TEST(ItemDateSetters, EmptyMakesNullAndGarbageIsInvalid) {
    using DateSetter = bool (CAucItem::*)(std::string_view);
    const std::pair<DateSetter, int> setters[] = {{&CAucItem::SetStartDate, field::StartDate},
                                                  {&CAucItem::SetPayDate, field::PayDate},
                                                  {&CAucItem::SetShipDate, field::ShipDate}};
    for (const auto& [setter, fieldId] : setters) {
        CAucItem item;
        EXPECT_TRUE((item.*setter)("3/1/2023")) << fieldId;
        EXPECT_EQ(*item.GetDateValue(fieldId), gb::DateTime::FromCivil(2023, 3, 1)) << fieldId;
        EXPECT_TRUE((item.*setter)("")) << fieldId;
        EXPECT_TRUE(item.GetDateValue(fieldId)->IsNull()) << fieldId;
        EXPECT_FALSE((item.*setter)("the day after")) << fieldId;
        EXPECT_EQ(item.GetDateValue(fieldId)->Status(), gb::ValueStatus::Invalid) << fieldId;
    }
    CAucItem item;
    EXPECT_FALSE(item.SetEndDate("soon", 3));
    EXPECT_EQ(item.GetDateValue(field::EndDate)->Status(), gb::ValueStatus::Invalid);
    EXPECT_TRUE(item.SetEndDate("", 3));
    EXPECT_TRUE(item.GetDateValue(field::EndDate)->IsNull());
}

TEST(ItemDateSetters, UpdatedWithoutTextIsNow) {
    const gb::DateTime now = gb::DateTime::FromCivil(2024, 6, 15, 8, 30, 5);
    const gb::FixedClock clock(now);
    const gb::ScopedClock scoped(clock);
    CAucItem item;
    EXPECT_TRUE(item.SetUpdated(std::nullopt));
    EXPECT_EQ(*item.GetDateValue(field::Updated), now);
    EXPECT_TRUE(item.SetUpdated(""));
    EXPECT_TRUE(item.GetDateValue(field::Updated)->IsNull());
    EXPECT_TRUE(item.SetUpdated("6/15/2024 8:30:05 AM"));
    EXPECT_EQ(*item.GetDateValue(field::Updated), now);
}

struct RatingCase {
    const char* text;
    bool read;
    std::int32_t rating;
};

void PrintTo(const RatingCase& c, std::ostream* os) {
    *os << '"' << c.text << '"';
}

class RatingTest : public ::testing::TestWithParam<RatingCase> {};

TEST_P(RatingTest, ReadsADecimalIntegerFromTheStart) {
    const RatingCase c = GetParam();
    CAucItem item;
    item.SetRating("17");
    EXPECT_EQ(item.SetRating(c.text), c.read) << c.text;
    std::int32_t rating = 0;
    std::string text;
    EXPECT_TRUE(item.GetRating(text, &rating));
    EXPECT_EQ(rating, c.read ? c.rating : 17) << c.text;
    EXPECT_EQ(text, std::to_string(rating));
}

INSTANTIATE_TEST_SUITE_P(Texts, RatingTest,
                         ::testing::Values(RatingCase{"42", true, 42},
                                           RatingCase{"  -7 points", true, -7},
                                           RatingCase{"+5", true, 5}, RatingCase{"(12)", false, 0},
                                           RatingCase{"", false, 0}, RatingCase{"-", false, 0},
                                           RatingCase{"99999999999", false, 0}));

TEST(ItemState, AcceptsOnlyTheFourListCodes) {
    const std::pair<std::int32_t, bool> cases[] = {{102, true},  {103, true}, {107, true},
                                                   {110, true},  {0, false},  {104, false},
                                                   {105, false}, {-1, false}};
    for (const auto& [list, accepted] : cases) {
        CAucItem item;
        item.SetState(107);
        EXPECT_EQ(item.SetState(list), accepted) << list;
        EXPECT_EQ(item.GetState(), accepted ? list : 0) << list;
    }
}

TEST(ItemStatus, InProgressChangesOnlyWhenForced) {
    CAucItem item;
    EXPECT_TRUE(item.SetStatus(102, false));
    EXPECT_FALSE(item.SetStatus(116, false));
    EXPECT_EQ(item.GetStatus(), 102);
    EXPECT_TRUE(item.SetStatus(116, true));
    EXPECT_EQ(item.GetStatus(), 116);
    EXPECT_TRUE(item.SetStatus(150, false));
    EXPECT_EQ(item.GetStatus(), 150);
}

struct SoldCase {
    const char* buyer;
    const char* reserve;
    const char* maxBid;
    bool sold;
};

void PrintTo(const SoldCase& c, std::ostream* os) {
    *os << "buyer '" << c.buyer << "' reserve '" << c.reserve << "' max bid '" << c.maxBid << "'";
}

class IsSoldTest : public ::testing::TestWithParam<SoldCase> {};

TEST_P(IsSoldTest, NeedsABuyerAndAMetOrMissingReserve) {
    const SoldCase c = GetParam();
    CAucItem item;
    item.SetBuyerId(c.buyer);
    item.SetReserveAmt(c.reserve);
    item.SetMaxBid(c.maxBid);
    EXPECT_EQ(item.IsSold(), c.sold);
}

INSTANTIATE_TEST_SUITE_P(
    Items, IsSoldTest,
    ::testing::Values(SoldCase{"", "", "100", false}, SoldCase{"", "0", "100", false},
                      SoldCase{"buyer", "", "", true}, SoldCase{"buyer", "junk", "0", true},
                      SoldCase{"buyer", "50", "50", true}, SoldCase{"buyer", "50", "49.99", false},
                      SoldCase{"buyer", "50", "", false}, SoldCase{"buyer", "50", "junk", false},
                      SoldCase{"buyer", "0", "0", true}));

struct KeyCase {
    const char* id;
    const char* site;
    const char* otherId;
    const char* otherSite;
    bool same;
    bool beforeOrSame;
    bool after;
};

void PrintTo(const KeyCase& c, std::ostream* os) {
    *os << c.site << '/' << c.id << " vs " << c.otherSite << '/' << c.otherId;
}

class ItemKeyTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(ItemKeyTest, OrdersByAuctionIdAndEqualsBySiteToo) {
    const KeyCase c = GetParam();
    CAucItem item;
    item.SetAuctionId(c.id);
    item.SetSite(c.site);
    CAucItem other;
    other.SetAuctionId(c.otherId);
    other.SetSite(c.otherSite);
    EXPECT_EQ(item.IsSameKey(other), c.same);
    EXPECT_EQ(item.IsBeforeOrSame(other), c.beforeOrSame);
    EXPECT_EQ(item.IsAfter(other), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, ItemKeyTest,
    ::testing::Values(KeyCase{"ABC", "eBay USA", "abc", "EBAY usa", true, true, false},
                      KeyCase{"100", "eBay USA", "200", "eBay USA", false, true, false},
                      KeyCase{"200", "eBay USA", "100", "eBay USA", false, false, true},
                      KeyCase{"200", "eBay UK", "100", "eBay USA", false, false, true},
                      KeyCase{"ABC", "eBay UK", "abc", "eBay USA", false, false, false},
                      KeyCase{"\xC9t\xE9", "x", "\xE9T\xC9", "X", true, true, false}));

std::vector<std::int32_t> CategoriesOf(const CAucItem& item) {
    return {item.GetCategories().begin(), item.GetCategories().end()};
}

TEST(ItemCategories, KeepsThemSortedWithoutDuplicates) {
    CAucItem item;
    EXPECT_TRUE(item.AddCategory(160));
    EXPECT_TRUE(item.AddCategory(152));
    EXPECT_TRUE(item.AddCategory(158));
    EXPECT_EQ(CategoriesOf(item), (std::vector<std::int32_t>{152, 158, 160}));
    EXPECT_TRUE(item.AddCategory(158));
    EXPECT_EQ(CategoriesOf(item), (std::vector<std::int32_t>{152, 158, 160}));
    EXPECT_TRUE(item.HasCategory(158));
    EXPECT_FALSE(item.HasCategory(117));
    EXPECT_FALSE(item.HasCategory(159));
}

TEST(ItemCategories, NoCategoryOrZeroEmptiesTheList) {
    for (const std::int32_t clearing : {117, 0}) {
        CAucItem item;
        item.AddCategory(152);
        item.AddCategory(153);
        EXPECT_TRUE(item.AddCategory(clearing));
        EXPECT_TRUE(item.GetCategories().empty());
        EXPECT_TRUE(item.HasCategory(117));
        EXPECT_FALSE(item.HasCategory(0));
        EXPECT_FALSE(item.HasCategory(152));
    }
}

TEST(ItemCategories, RefusesATwentyFirst) {
    CAucItem item;
    for (std::int32_t id = 150; id < 170; ++id) {
        ASSERT_TRUE(item.AddCategory(id));
    }
    EXPECT_FALSE(item.AddCategory(200));
    EXPECT_FALSE(item.AddCategory(160));  // even one it already has
    EXPECT_EQ(item.GetCategories().size(), 20u);
    EXPECT_FALSE(item.HasCategory(200));
}

TEST(ItemCategories, RemovingClosesTheGap) {
    CAucItem item;
    for (const std::int32_t id : {152, 158, 160}) {
        item.AddCategory(id);
    }
    EXPECT_FALSE(item.RemoveCategory(159));
    EXPECT_TRUE(item.RemoveCategory(158));
    EXPECT_EQ(CategoriesOf(item), (std::vector<std::int32_t>{152, 160}));
    EXPECT_TRUE(item.AddCategory(170));
    EXPECT_EQ(CategoriesOf(item), (std::vector<std::int32_t>{152, 160, 170}));
    EXPECT_TRUE(item.RemoveCategory(152));
    EXPECT_TRUE(item.RemoveCategory(160));
    EXPECT_TRUE(item.RemoveCategory(170));
    EXPECT_TRUE(item.GetCategories().empty());
    EXPECT_TRUE(item.HasCategory(117));

    CAucItem fresh;
    EXPECT_TRUE(fresh.RemoveCategory(117));
    EXPECT_TRUE(fresh.HasCategory(117));
    EXPECT_FALSE(fresh.RemoveCategory(0));
}

TEST(ItemCodes, ChargesAndFeesAreSeparateCodeStrings) {
    CAucItem item;
    EXPECT_TRUE(item.AddItemizedCharge(0));
    EXPECT_TRUE(item.AddItemizedCharge(31));
    EXPECT_FALSE(item.AddItemizedCharge(0));
    EXPECT_TRUE(item.AddItemizedFee(5));

    EXPECT_TRUE(item.HasItemizedCharge(0));
    EXPECT_TRUE(item.HasItemizedCharge(31));
    EXPECT_FALSE(item.HasItemizedCharge(5));
    EXPECT_TRUE(item.HasItemizedFee(5));
    EXPECT_FALSE(item.HasItemizedFee(0));

    item.ClearItemizedCharges();
    EXPECT_FALSE(item.HasItemizedCharge(0));
    EXPECT_TRUE(item.HasItemizedFee(5));
    item.ClearItemizedFees();
    EXPECT_FALSE(item.HasItemizedFee(5));
}

TEST(ItemCodes, RefusesEntriesOutsideTheSchedule) {
    for (const int entry : {-1, 32, 33, 81, 200}) {
        CAucItem item;
        EXPECT_FALSE(item.AddItemizedCharge(entry)) << entry;
        EXPECT_FALSE(item.AddItemizedFee(entry)) << entry;
        EXPECT_FALSE(item.HasItemizedCharge(entry)) << entry;
        EXPECT_EQ(item, CAucItem()) << entry;
    }
}

struct IconCase {
    std::int32_t state;
    bool sold;
    int plain;
    int store;
};

void PrintTo(const IconCase& c, std::ostream* os) {
    *os << "state " << c.state << (c.sold ? " sold" : " unsold");
}

class DisplayStateTest : public ::testing::TestWithParam<IconCase> {};

TEST_P(DisplayStateTest, PicksTheIconOfStateSaleAndStoreFlag) {
    const IconCase c = GetParam();
    CAucItem item;
    item.SetState(c.state);
    if (c.sold) {
        item.SetBuyerId("buyer");
    }
    EXPECT_EQ(item.GetDisplayState(), c.plain);
    item.SetStoreItem(true);
    EXPECT_EQ(item.GetDisplayState(), c.store);
}

INSTANTIATE_TEST_SUITE_P(States, DisplayStateTest,
                         ::testing::Values(IconCase{102, false, 1, 2}, IconCase{102, true, 1, 2},
                                           IconCase{103, false, 3, 4}, IconCase{103, true, 5, 6},
                                           IconCase{107, true, 7, 8}, IconCase{110, false, 9, 10},
                                           IconCase{0, true, 0, 0}));

// An edit stores what the user changed onto the item as an update left it:
// for every field the item sheet, the bulk sheet or Set Status can change,
// the user's value lands and every other field keeps what the update brought.
// The table names every field ID the item stores; a field the item gains
// needs its line here.
enum class Source { Update, User };

struct EditableField {
    const char* name;
    int fieldId;  // 0 for the parts without one
    void (*set)(CAucItem& item, Source source);
};

template <int Id>
void SetText(CAucItem& item, Source source) {
    item.SetFieldText(Id, source == Source::User ? "typed by the seller" : "brought by the update");
}
template <int Id>
void SetAmount(CAucItem& item, Source source) {
    item.SetMoneyValue(Id, gb::Money::FromUnits(source == Source::User ? 70000 : 990000));
}
template <int Id>
void SetDate(CAucItem& item, Source source) {
    item.SetFieldText(Id, source == Source::User ? "4/5/2006" : "2/1/2004");
}

const EditableField kEditableFields[] = {
    {"Description", field::Description, SetText<field::Description>},
    {"StartDate", field::StartDate, SetDate<field::StartDate>},
    {"EndDate", field::EndDate, SetDate<field::EndDate>},
    {"MinBid", field::MinBid, SetAmount<field::MinBid>},
    {"MaxBid", field::MaxBid, SetAmount<field::MaxBid>},
    {"BuyerId", field::BuyerId, SetText<field::BuyerId>},
    {"Email", field::Email, SetText<field::Email>},
    {"Rating", field::Rating,
     [](CAucItem& item, Source source) { item.SetRating(source == Source::User ? "7" : "99"); }},
    {"InsertionFee", field::InsertionFee, SetAmount<field::InsertionFee>},
    {"FinalFee", field::FinalFee, SetAmount<field::FinalFee>},
    {"Status", field::Status,
     [](CAucItem& item, Source source) {
         item.SetStatus(source == Source::User ? 152 : 151, true);
     }},
    {"Folder", field::Folder,
     [](CAucItem& item, Source source) { item.SetFolderId(source == Source::User ? 202 : 201); }},
    {"Updated", field::Updated,
     [](CAucItem& item, Source source) {
         item.SetUpdated(source == Source::User ? "04/05/06 10:00:00" : "02/01/04 10:00:00");
     }},
    {"PayDate", field::PayDate, SetDate<field::PayDate>},
    {"ShipDate", field::ShipDate, SetDate<field::ShipDate>},
    {"InsuranceCost", field::InsuranceCost, SetAmount<field::InsuranceCost>},
    {"AmtReceived", field::AmtReceived, SetAmount<field::AmtReceived>},
    {"SHCharge", field::SHCharge, SetAmount<field::SHCharge>},
    {"ShipCost", field::ShipCost, SetAmount<field::ShipCost>},
    {"InvoiceNote", field::InvoiceNote, SetText<field::InvoiceNote>},
    {"ItemNote", field::ItemNote, SetText<field::ItemNote>},
    {"FeeNote", field::FeeNote, SetText<field::FeeNote>},
    {"ShippingNote", field::ShippingNote, SetText<field::ShippingNote>},
    {"Weight", field::Weight, SetText<field::Weight>},
    {"PaymentMethod", field::PaymentMethod, SetText<field::PaymentMethod>},
    {"SellerId", field::SellerId, SetText<field::SellerId>},
    {"ShippingAddress", field::ShippingAddress, SetText<field::ShippingAddress>},
    {"PayNote", field::PayNote, SetText<field::PayNote>},
    {"ItemCost", field::ItemCost, SetAmount<field::ItemCost>},
    {"ShippingMethod", field::ShippingMethod, SetText<field::ShippingMethod>},
    {"OtherFees", field::OtherFees, SetAmount<field::OtherFees>},
    {"ChargeNote", field::ChargeNote, SetText<field::ChargeNote>},
    {"OtherCharges", field::OtherCharges, SetAmount<field::OtherCharges>},
    {"Feedback", field::Feedback, SetText<field::Feedback>},
    {"ReserveAmt", field::ReserveAmt, SetAmount<field::ReserveAmt>},
    {"TransactionFee", field::TransactionFee, SetAmount<field::TransactionFee>},
    {"AuctionType", field::AuctionType, SetText<field::AuctionType>},
    // An update does not touch the store flag; only the seller sets it.
    {"StoreItem", 0,
     [](CAucItem& item, Source source) {
         if (source == Source::User) {
             item.SetStoreItem(true);
         }
     }},
    // The categories and the itemized codes each count as one field: the
    // seller's whole list wins.
    {"Categories", 0,
     [](CAucItem& item, Source source) {
         item.AddCategory(folder::NoCategory);
         item.AddCategory(source == Source::User ? 302 : 301);
     }},
    {"ItemizedCharges", 0,
     [](CAucItem& item, Source source) {
         item.ClearItemizedCharges();
         item.AddItemizedCharge(source == Source::User ? 4 : 3);
     }},
    {"ItemizedFees", 0,
     [](CAucItem& item, Source source) {
         item.ClearItemizedFees();
         item.AddItemizedFee(source == Source::User ? 6 : 5);
     }},
};

// Field IDs that no edit changes: the key, the values worked out from other
// fields, and the end time, which is the end date's own value.
const std::set<int> kNotEditable = {
    field::AuctionId,
    field::Site,
    field::InvoiceAmt,
    field::EndTime,
    field::TotalFees,
    field::DaysToPay,
    field::DaysToShip,
    544,
    545,
    546,
    547,
    548,
    field::Icon,
};

TEST(ItemEdits, EachEditedFieldLandsAndEveryOtherKeepsWhatAnUpdateBrought) {
    CAucItem original;
    original.SetSite("eBay USA");
    original.SetAuctionId("1001");
    original.SetState(folder::AuctionEnded);
    for (const EditableField& edit : kEditableFields) {
        CAucItem edited = original;
        edit.set(edited, Source::User);
        ASSERT_NE(edited, original) << edit.name;
        CAucItem updated = original;
        for (const EditableField& merged : kEditableFields) {
            merged.set(updated, Source::Update);
        }
        CAucItem expected = updated;
        edit.set(expected, Source::User);
        ASSERT_NE(expected, updated) << edit.name;

        updated.TakeEdits(original, edited);
        EXPECT_EQ(updated, expected) << edit.name;
    }
}

TEST(ItemEdits, TheTableNamesEveryFieldAnItemStores) {
    std::set<int> listed;
    for (const EditableField& edit : kEditableFields) {
        if (edit.fieldId != 0) {
            EXPECT_TRUE(listed.insert(edit.fieldId).second) << edit.name;
        }
    }
    for (int id = field::First; id <= field::Last; ++id) {
        EXPECT_NE(listed.contains(id), kNotEditable.contains(id)) << id;
    }
}

}  // namespace
