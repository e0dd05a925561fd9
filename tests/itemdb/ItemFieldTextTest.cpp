#include <gtest/gtest.h>

#include <map>
#include <string>

#include "itemdb/AucItem.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderNameLookup.h"
#include "platform/Clock.h"

using namespace gb::itemdb;

namespace {

class FolderNames final : public FolderNameLookup {
public:
    explicit FolderNames(std::map<std::int32_t, std::string> names) : names_(std::move(names)) {}
    std::optional<std::string> FolderName(std::int32_t folderId) const override {
        const auto found = names_.find(folderId);
        return found == names_.end() ? std::nullopt : std::optional(found->second);
    }

private:
    std::map<std::int32_t, std::string> names_;
};

std::string FieldText(const CAucItem& item, int fieldId, bool expectedResult = true,
                      const FolderNameLookup* folders = nullptr) {
    std::string text = "untouched";
    EXPECT_EQ(item.GetFieldText(fieldId, text, folders), expectedResult) << fieldId;
    return text;
}

TEST(ItemFieldText, AddressLinesBreakAtCrLfAndLoneCr) {
    CAucItem item;
    item.SetShippingAddress("Jo Smith\r\n12 High St\rSpringfield");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1), "Jo Smith");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 1), "12 High St");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 2), "Springfield");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 3), "");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine5), "");
    EXPECT_EQ(FieldText(item, field::ShippingAddress), "Jo Smith\r\n12 High St\rSpringfield");

    item.SetShippingAddress("a\nb\r\rc\r");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1), "a\nb");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 1), "");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 2), "c");
    EXPECT_EQ(FieldText(item, field::ShippingAddressLine1 + 3), "");
}

TEST(ItemFieldText, IconColumnIsEmptyAndUnknownIdsSayUnknown) {
    const CAucItem item;
    EXPECT_EQ(FieldText(item, field::Icon, true), "");
    for (const int id : {550, 499, 0, -1}) {
        EXPECT_EQ(FieldText(item, id, false), "Unknown");
    }
}

TEST(ItemFieldText, EveryStoredMoneyFieldFormatsInTheUsersCurrency) {
    const int moneyFields[] = {field::MinBid,        field::MaxBid,        field::InsertionFee,
                               field::FinalFee,      field::InsuranceCost, field::AmtReceived,
                               field::SHCharge,      field::ShipCost,      field::ItemCost,
                               field::OtherFees,     field::OtherCharges,  field::ReserveAmt,
                               field::TransactionFee};
    for (const int id : moneyFields) {
        CAucItem item;
        EXPECT_TRUE(item.SetFieldText(id, "1234.5")) << id;
        EXPECT_EQ(FieldText(item, id), "$1,234.50");
        EXPECT_EQ(item.GetMoneyValue(id), gb::Money::FromUnits(12345000)) << id;
        EXPECT_TRUE(item.SetFieldText(id, "")) << id;
        EXPECT_EQ(FieldText(item, id, false), "Unknown");
        EXPECT_TRUE(item.SetMoneyValue(id, gb::Money::FromUnits(-30000))) << id;
        EXPECT_EQ(FieldText(item, id), "($3.00)");
    }
}

TEST(ItemFieldText, FieldsWithoutASetterRefuseText) {
    for (const int id : {field::InvoiceAmt, field::TotalFees, field::DaysToPay, field::Status,
                         field::Folder, field::Icon, field::ShippingAddressLine1, 550}) {
        CAucItem item;
        EXPECT_FALSE(item.SetFieldText(id, "1")) << id;
        EXPECT_FALSE(item.SetMoneyValue(id, gb::Money())) << id;
        EXPECT_EQ(item, CAucItem()) << id;
    }
    CAucItem item;
    EXPECT_TRUE(item.SetFieldText(field::Rating, "12"));
    EXPECT_EQ(FieldText(item, field::Rating), "12");
}

TEST(ItemFieldText, InvoiceAmountAddsTheValidChargesOrIsUnknown) {
    CAucItem item;
    item.SetMaxBid("");
    item.SetSHCharge("5.00");
    item.SetOtherCharges("1.50");
    EXPECT_EQ(FieldText(item, field::InvoiceAmt), "$6.50");
    EXPECT_EQ(item.GetMoneyValue(field::InvoiceAmt), gb::Money::FromUnits(65000));

    item.SetSHCharge("");
    item.SetOtherCharges("");
    EXPECT_EQ(FieldText(item, field::InvoiceAmt, false), "Unknown");
    gb::Money value;
    std::string text;
    EXPECT_FALSE(item.GetInvoiceAmt(text, &value));
    EXPECT_TRUE(value.IsNull());

    item.SetMaxBid("20");
    EXPECT_EQ(FieldText(item, field::InvoiceAmt), "$20.00");
}

TEST(ItemFieldText, TotalFeesCountOnlyValidFeesAndAreAlwaysKnown) {
    CAucItem item;
    EXPECT_EQ(FieldText(item, field::TotalFees), "$0.00");
    item.SetFinalFee("2.00");
    item.SetOtherFees("junk");
    item.SetTransactionFee("0.35");
    EXPECT_EQ(FieldText(item, field::TotalFees), "$2.35");
    item.SetInsertionFee("0.30");
    EXPECT_EQ(item.GetMoneyValue(field::TotalFees), gb::Money::FromUnits(26500));
}

struct DaysCase {
    const char* name;
    const char* from;   // end date for days to pay, pay date for days to ship
    const char* until;  // pay date, ship date
    bool known;
    int days;
};

void PrintTo(const DaysCase& c, std::ostream* os) {
    *os << c.name;
}

class DaysColumnTest : public ::testing::TestWithParam<DaysCase> {};

TEST_P(DaysColumnTest, CountsWholeCalendarDays) {
    const DaysCase c = GetParam();
    const gb::FixedClock today(gb::DateTime::FromCivil(2023, 3, 20, 9, 15));
    const gb::ScopedClock scoped(today);

    CAucItem toPay;
    toPay.SetEndDate(c.from);
    toPay.SetPayDate(c.until);
    std::int32_t days = -99;
    std::string text;
    EXPECT_EQ(toPay.GetDaysToPay(text, &days), c.known);
    EXPECT_EQ(days, c.days);
    EXPECT_EQ(text, std::to_string(c.days));
    EXPECT_EQ(FieldText(toPay, field::DaysToPay, c.known), std::to_string(c.days));

    CAucItem toShip;
    toShip.SetPayDate(c.from);
    toShip.SetShipDate(c.until);
    EXPECT_EQ(FieldText(toShip, field::DaysToShip, c.known), std::to_string(c.days));
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DaysColumnTest,
    ::testing::Values(
        DaysCase{"NextMorning", "3/1/2023 11:59:00 PM", "3/2/2023 12:01:00 AM", true, 1},
        DaysCase{"SameDay", "3/1/2023 1:00:00 AM", "3/1/2023 11:00:00 PM", true, 0},
        DaysCase{"TwoDaysEarlier", "3/5/2023 10:00:00 AM", "3/3/2023 11:00:00 PM", true, -2},
        DaysCase{"NotYetCountsToToday", "3/1/2023 11:59:00 PM", "", true, 19},
        DaysCase{"InvalidCountsToToday", "3/18/2023", "junk", true, 2},
        DaysCase{"NoStart", "", "3/2/2023", false, 0},
        DaysCase{"InvalidStart", "junk", "3/2/2023", false, 0}));

struct DateTextCase {
    int fieldId;
    const char* value;
    const char* text;
};

void PrintTo(const DateTextCase& c, std::ostream* os) {
    *os << "field " << c.fieldId << " \"" << c.value << '"';
}

class DateFieldTextTest : public ::testing::TestWithParam<DateTextCase> {};

TEST_P(DateFieldTextTest, ShowsTheFieldsForm) {
    const DateTextCase c = GetParam();
    CAucItem item;
    ASSERT_TRUE(item.SetFieldText(c.fieldId, c.value));
    EXPECT_EQ(FieldText(item, c.fieldId, *c.value != '\0'), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Dates, DateFieldTextTest,
    ::testing::Values(DateTextCase{field::StartDate, "3/1/2023 10:30:00 AM", "3/1/2023"},
                      DateTextCase{field::EndDate, "12/31/2023 11:59:59 PM", "12/31/2023"},
                      DateTextCase{field::PayDate, "3/1/2023 10:30:00 AM", "3/1/2023"},
                      DateTextCase{field::ShipDate, "3/1/2023", "3/1/2023"},
                      DateTextCase{field::EndTime, "3/1/2023 10:30:00 PM", "3/1/2023 10:30:00 PM"},
                      DateTextCase{field::EndTime, "3/1/2023", "3/1/2023"},
                      DateTextCase{field::Updated, "3/1/2023 10:30:05 PM", "03/01/23 22:30:05"},
                      DateTextCase{field::Updated, "1/2/1999", "01/02/99 00:00:00"},
                      DateTextCase{field::StartDate, "", "Unknown"},
                      DateTextCase{field::Updated, "", "Unknown"}));

TEST(ItemDateGetters, GiveTheWholeStoredValue) {
    CAucItem item;
    item.SetEndDate("3/1/2023 10:30:00 PM");
    const gb::DateTime stored = gb::DateTime::FromCivil(2023, 3, 1, 22, 30);
    std::string text;
    gb::DateTime value;
    EXPECT_TRUE(item.GetEndDate(text, &value));
    EXPECT_EQ(text, "3/1/2023");
    EXPECT_EQ(value, stored);
    EXPECT_TRUE(item.GetEndTimeOfDay(text, &value));
    EXPECT_EQ(text, "10:30:00 PM");
    EXPECT_EQ(value, stored);
    EXPECT_EQ(item.GetDateValue(field::EndDate), stored);

    item.SetPayDate("nonsense");
    EXPECT_FALSE(item.GetPayDate(text, &value));
    EXPECT_EQ(text, "Unknown");
    EXPECT_EQ(value.Status(), gb::ValueStatus::Invalid);
    EXPECT_FALSE(item.GetDateValue(field::Rating).has_value());
}

TEST(ItemStatusText, NamesTheStatusFolder) {
    const FolderNames folders({{102, "Renamed"}, {150, "Paid"}, {101, "Auctions"}});
    const struct {
        std::int32_t status;
        const FolderNameLookup* folders;
        const char* name;
    } cases[] = {
        {102, nullptr, "In Progress"},     {102, &folders, "In Progress"},
        {150, &folders, "Paid"},           {151, &folders, "Needs Attention"},
        {150, nullptr, "Needs Attention"}, {116, &folders, "Needs Attention"},
    };
    for (const auto& c : cases) {
        CAucItem item;
        item.SetStatus(c.status, true);
        std::string name;
        EXPECT_EQ(item.GetStatus(name, c.folders), c.status);
        EXPECT_EQ(name, c.name) << c.status;
        EXPECT_EQ(FieldText(item, field::Status, true, c.folders), c.name);
    }
}

TEST(ItemFolderText, NamesTheStorageFolderOrSaysUnknown) {
    const FolderNames folders({{101, "Auctions"}, {160, "seller1"}});
    CAucItem item;
    std::string name;
    std::int32_t id = 0;
    EXPECT_TRUE(item.GetFolder(name, &folders, &id));
    EXPECT_EQ(name, "Auctions");
    EXPECT_EQ(id, 101);

    item.SetFolderId(170);
    EXPECT_FALSE(item.GetFolder(name, &folders));
    EXPECT_EQ(name, "Unknown");
    EXPECT_EQ(FieldText(item, field::Folder, true, &folders), "Unknown");
    EXPECT_EQ(FieldText(item, field::Folder, true, nullptr), "Unknown");
    item.SetFolderId(160);
    EXPECT_EQ(FieldText(item, field::Folder, true, &folders), "seller1");
}

}  // namespace
