// The bulk update's template: each of its fields copied onto an item only when
// the template carries a value, the itemized totals formed from the item's new
// amounts, and the whole template applied through the item list.

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/core/bulk/BulkTemplate.h"
#include "app/core/bulk/BulkUpdate.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"
#include "itemdb/FolderBlueprint.h"
#include "itemdb/FolderKind.h"
#include "itemdb/FolderTree.h"
#include "itemdb/ItemList.h"

using gb::app::BulkContext;
using gb::app::BulkTemplate;
using namespace gb::itemdb;

namespace {

constexpr std::int32_t kCategoryA = 160;
constexpr std::int32_t kCategoryB = 161;
constexpr std::int32_t kCategories[] = {kCategoryA, kCategoryB};

// An ended item with a value in every field a bulk update changes.
CAucItem FilledItem(std::string_view auctionId = "1000") {
    CAucItem item;
    item.SetSite("eBay USA");
    item.SetAuctionId(auctionId);
    item.SetState(folder::AuctionEnded);
    item.SetStatus(folder::FirstUserFolder + 1, true);
    for (const int id :
         {field::ItemCost, field::FinalFee, field::InsertionFee, field::ShipCost, field::SHCharge,
          field::InsuranceCost, field::ReserveAmt, field::TransactionFee, field::AmtReceived,
          field::OtherFees, field::OtherCharges}) {
        item.SetFieldText(id, "1.00");
    }
    for (const int id :
         {field::Weight, field::ShippingMethod, field::ItemNote, field::InvoiceNote, field::PayNote,
          field::FeeNote, field::ShippingNote, field::Feedback, field::PaymentMethod,
          field::AuctionType, field::BuyerId, field::ShippingAddress, field::ChargeNote}) {
        item.SetFieldText(id, "old");
    }
    item.SetShipDate("1/2/2003");
    item.SetPayDate("1/2/2003");
    item.SetRating("7");
    item.AddCategory(kCategoryB);
    return item;
}

std::string FieldText(const CAucItem& item, int id) {
    std::string text;
    item.GetFieldText(id, text);
    return text;
}

std::string Categories(const CAucItem& item) {
    std::string text;
    for (const std::int32_t category : item.GetCategories()) {
        text += std::to_string(category) + ";";
    }
    return text;
}

struct FieldCase {
    const char* name;
    int id;
    // Puts a value for the field into the template.
    std::function<void(BulkTemplate&)> fill;
    // The field as the item shows it afterwards.
    std::function<std::string(const CAucItem&)> read;
    std::string expected;
};

FieldCase Text(const char* name, int id, std::string value) {
    return {name, id, [id, value](BulkTemplate& t) { t.Item().SetFieldText(id, value); },
            [id](const CAucItem& item) { return FieldText(item, id); }, value};
}

std::vector<FieldCase> AllFields() {
    std::vector<FieldCase> cases{
        {"Status", field::Status,
         [](BulkTemplate& t) {
             t.Item().SetStatus(folder::FirstUserFolder + 2, true);
             t.Flags().updateStatus = true;
         },
         [](const CAucItem& item) { return std::to_string(item.GetStatus()); },
         std::to_string(folder::FirstUserFolder + 2)},
        {"Categories", folder::ByCategory,
         [](BulkTemplate& t) {
             t.Item().AddCategory(kCategoryA);
             t.Flags().updateCategories = true;
         },
         Categories, std::to_string(kCategoryA) + ";"},
        {"Rating", field::Rating, [](BulkTemplate& t) { t.Item().SetRating("0"); },
         [](const CAucItem& item) { return FieldText(item, field::Rating); }, "0"},
        Text("ItemCost", field::ItemCost, "$2.50"),
        Text("FinalFee", field::FinalFee, "$2.50"),
        Text("InsertionFee", field::InsertionFee, "$2.50"),
        Text("OtherFees", field::OtherFees, "$2.50"),
        Text("ShipCost", field::ShipCost, "$2.50"),
        Text("SHCharge", field::SHCharge, "$2.50"),
        Text("InsuranceCost", field::InsuranceCost, "$2.50"),
        Text("ReserveAmt", field::ReserveAmt, "$2.50"),
        Text("TransactionFee", field::TransactionFee, "$2.50"),
        Text("AmtReceived", field::AmtReceived, "$2.50"),
        Text("OtherCharges", field::OtherCharges, "$2.50"),
        Text("ShipDate", field::ShipDate, "3/4/2005"),
        Text("PayDate", field::PayDate, "3/4/2005"),
        Text("Weight", field::Weight, "new"),
        Text("ShippingMethod", field::ShippingMethod, "new"),
        Text("ItemNote", field::ItemNote, "new"),
        Text("InvoiceNote", field::InvoiceNote, "new"),
        Text("PayNote", field::PayNote, "new"),
        Text("FeeNote", field::FeeNote, "new"),
        Text("ShippingNote", field::ShippingNote, "new"),
        Text("Feedback", field::Feedback, "new"),
        Text("PaymentMethod", field::PaymentMethod, "new"),
        Text("AuctionType", field::AuctionType, "new"),
        Text("BuyerId", field::BuyerId, "new"),
        Text("ShippingAddress", field::ShippingAddress, "new"),
        Text("ChargeNote", field::ChargeNote, "new"),
    };
    return cases;
}

class BulkFieldTest : public ::testing::TestWithParam<FieldCase> {
protected:
    CFeeSchedule fees_;
    BulkContext context_{fees_, kCategories};
};

TEST_P(BulkFieldTest, ATemplateValueIsSetOnTheItem) {
    const FieldCase& c = GetParam();
    BulkTemplate bulk;
    c.fill(bulk);
    CAucItem item = FilledItem();
    ASSERT_NE(c.read(item), c.expected);

    EXPECT_TRUE(bulk.ApplyField(item, c.id, context_));
    EXPECT_EQ(c.read(item), c.expected);
}

TEST_P(BulkFieldTest, ABlankTemplateLeavesTheFieldAlone) {
    const FieldCase& c = GetParam();
    CAucItem item = FilledItem();
    EXPECT_TRUE(BulkTemplate().ApplyField(item, c.id, context_));
    EXPECT_EQ(item, FilledItem());
}

INSTANTIATE_TEST_SUITE_P(EveryField, BulkFieldTest, ::testing::ValuesIn(AllFields()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(BulkTemplate, AppliesEachOfItsFieldsOnce) {
    std::vector<int> order(BulkTemplate::ApplyOrder().begin(), BulkTemplate::ApplyOrder().end());
    std::vector<int> covered;
    for (const FieldCase& c : AllFields()) {
        covered.push_back(c.id);
    }
    std::ranges::sort(order);
    std::ranges::sort(covered);
    EXPECT_EQ(order, covered);
    EXPECT_EQ(std::ranges::adjacent_find(order), order.end());
}

TEST(BulkTemplate, RefusesFieldsItDoesNotChange) {
    CFeeSchedule fees;
    CAucItem item = FilledItem();
    EXPECT_FALSE(BulkTemplate().ApplyField(item, field::Description, {fees, kCategories}));
}

TEST(BulkTemplate, AnItemInProgressRefusesTheStatus) {
    CFeeSchedule fees;
    BulkTemplate bulk;
    bulk.Item().SetStatus(folder::FirstUserFolder + 2, true);
    bulk.Flags().updateStatus = true;
    CAucItem item = FilledItem();
    item.SetStatus(folder::InProgress, true);
    EXPECT_FALSE(bulk.ApplyField(item, field::Status, {fees, kCategories}));
    EXPECT_EQ(item.GetStatus(), folder::InProgress);
}

TEST(BulkTemplate, TickedCategoriesWithNoneCheckedRemoveEveryCategory) {
    CFeeSchedule fees;
    BulkTemplate bulk;
    bulk.Flags().updateCategories = true;
    CAucItem item = FilledItem();
    EXPECT_TRUE(bulk.ApplyField(item, folder::ByCategory, {fees, kCategories}));
    EXPECT_TRUE(item.GetCategories().empty());
}

// A schedule with two charges and a seller fee on the shipping amounts.
class ItemizedTest : public ::testing::Test {
protected:
    void SetUp() override {
        Define(0, fee_type::Charge, "1.00", 0.0f, {});
        Define(1, fee_type::Charge, "0.50", 0.0f, {});
        // 10% of S&H charge + ship cost, both applied after the fees' turn
        // would have come.
        Define(2, fee_type::SellerFee, "0", 0.1f, {field::SHCharge - 468, field::ShipCost - 468});
    }
    void Define(int entry, std::int32_t type, const char* base, float factor,
                std::vector<int> fields) {
        fees_.SetCurrent(entry);
        fees_.SetType(type);
        fees_.SetActive(true);
        fees_.SetBaseText(base);
        fees_.SetFactor(factor);
        for (const int f : fields) {
            fees_.AddField(f);
        }
    }

    CFeeSchedule fees_;
};

TEST_F(ItemizedTest, ItemizedFeesAreCalculatedFromTheNewAmounts) {
    CItemList items;
    items.AddItem(FilledItem("1"), folder::AuctionEnded);
    items.AddItem(FilledItem("2"), folder::AuctionEnded);
    items.SetFilter(CItemFilter());
    std::vector<CItemList::ItemId> selection;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        selection.push_back(items.GetCurrentId());
    }
    ASSERT_EQ(selection.size(), 2u);

    BulkTemplate bulk;
    bulk.Item().SetSHCharge("20.00");
    bulk.Item().SetShipCost("30.00");
    bulk.Item().AddItemizedFee(2);
    bulk.Flags().itemizeFees = true;
    gb::app::ApplyBulkUpdate(items, selection, bulk, fees_, kCategories);

    for (const CItemList::ItemId& position : selection) {
        const CAucItem* item = items.GetItemAt(position);
        ASSERT_NE(item, nullptr);
        CFeeSchedule check = fees_;
        check.SetItem(*item);
        std::string expected;
        ASSERT_TRUE(check.CalcFees(expected));
        EXPECT_EQ(expected, "$5.00");
        EXPECT_EQ(FieldText(*item, field::OtherFees), expected);
    }
}

TEST_F(ItemizedTest, ChargesReplaceOrAddToTheItemsOwn) {
    for (const bool add : {false, true}) {
        BulkTemplate bulk;
        bulk.Item().AddItemizedCharge(1);
        bulk.Flags().itemizeCharges = true;
        bulk.Flags().addToCharges = add;
        CAucItem item = FilledItem();
        item.AddItemizedCharge(0);
        EXPECT_TRUE(bulk.ApplyField(item, field::OtherCharges, {fees_, kCategories}));
        EXPECT_EQ(item.HasItemizedCharge(0), add);
        EXPECT_TRUE(item.HasItemizedCharge(1));
        EXPECT_EQ(FieldText(item, field::OtherCharges), add ? "$1.50" : "$0.50");
    }
}

TEST_F(ItemizedTest, TheLastEntryIsCarriedToTheItemsToo) {
    Define(31, fee_type::Charge, "2.25", 0.0f, {});
    BulkTemplate bulk;
    bulk.Item().AddItemizedCharge(31);
    bulk.Flags().itemizeCharges = true;
    CAucItem item = FilledItem();
    EXPECT_TRUE(bulk.ApplyField(item, field::OtherCharges, {fees_, kCategories}));
    EXPECT_TRUE(item.HasItemizedCharge(31));
    EXPECT_EQ(FieldText(item, field::OtherCharges), "$2.25");
}

TEST(BulkUpdate, StoresEveryItemAndReportsRefusedStatusesAndItemsThatLeftTheFolder) {
    CItemList items;
    CAucItem running = FilledItem("1");
    running.SetStatus(folder::InProgress, true);
    items.AddItem(running, folder::InProgress);
    items.AddItem(FilledItem("2"), folder::AuctionEnded);
    CItemFilter filter;
    filter.SetStateMask(CItemFilter::AllStates);
    items.SetFilter(filter);
    std::vector<CItemList::ItemId> selection;
    for (bool more = items.MoveFirst(); more; more = items.MoveNext()) {
        selection.push_back(items.GetCurrentId());
    }
    selection.push_back(CItemList::ItemId());  // none: skipped

    BulkTemplate bulk;
    bulk.Item().SetStatus(folder::FirstUserFolder + 2, true);
    bulk.Flags().updateStatus = true;
    bulk.Item().SetBuyerId("someone");
    CFeeSchedule fees;
    const auto result = gb::app::ApplyBulkUpdate(items, selection, bulk, fees, kCategories);

    EXPECT_TRUE(result.statusRefused);
    EXPECT_TRUE(result.dropped.empty());
    EXPECT_EQ(items.GetItemAt(selection[0])->GetStatus(), folder::InProgress);
    EXPECT_EQ(items.GetItemAt(selection[0])->GetBuyerId(), "someone");
    EXPECT_EQ(items.GetItemAt(selection[1])->GetStatus(), folder::FirstUserFolder + 2);
    EXPECT_TRUE(items.IsModified());
}

TEST(BulkUpdate, CategoryFoldersAreTheProfilesCategoriesWithoutNoCategory) {
    CFolderTree tree;
    FolderBlueprint::AddDefaultFolders(tree);
    const std::int32_t added = tree.AddNode(folder::ByCategory, folder::ByCategory, 0);
    const std::vector<std::int32_t> categories = gb::app::CategoryFolders(tree);

    ASSERT_NE(added, 0);
    EXPECT_NE(std::ranges::find(categories, added), categories.end());
    EXPECT_EQ(std::ranges::find(categories, folder::NoCategory), categories.end());
    EXPECT_EQ(std::ranges::find(categories, folder::ByCategory), categories.end());
}

}  // namespace
