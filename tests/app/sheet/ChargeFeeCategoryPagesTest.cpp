// The Charges, Fees and Categories pages of the item sheet without their
// widgets: the check-box lists of fee-schedule entries and the category tree.

#include <gtest/gtest.h>

#include <vector>

#include "app/core/FolderImages.h"
#include "app/core/sheet/CategoryTree.h"
#include "app/core/sheet/ChargePageTexts.h"
#include "app/core/sheet/FeeList.h"
#include "app/core/sheet/FeePageTexts.h"
#include "app/core/sheet/SheetTexts.h"
#include "itemdb/FieldId.h"

namespace gb::app {
namespace {

using itemdb::CAucItem;
using itemdb::CFeeSchedule;
using itemdb::CFolderTree;
namespace field = itemdb::field;
namespace folder = itemdb::folder;
namespace folder_image = gb::app::folder_image;

void SetEntry(CFeeSchedule& fees, int entry, const char* name, std::int32_t type, bool active,
              const char* base, int fieldId = 0) {
    fees.SetCurrent(entry);
    fees.SetName(name);
    fees.SetType(type);
    fees.SetActive(active);
    fees.SetBaseText(base);
    if (fieldId != 0) {
        fees.SetFactor(1.0f);
        fees.AddField(fieldId - 468);
    }
}

class ChargeListTest : public ::testing::Test {
protected:
    void SetUp() override {
        using namespace itemdb::fee_type;
        SetEntry(fees, 2, "Handling", Charge, true, "1.50");
        SetEntry(fees, 4, "Old tax", Charge, false, "9.00");
        SetEntry(fees, 6, "Insurance", Charge, true, "2.00");
        SetEntry(fees, 8, "Listing", SellerFee, true, "0.25");
        ASSERT_TRUE(item.SetMaxBid("10"));
        ASSERT_TRUE(item.AddItemizedCharge(4));
    }

    CFeeSchedule fees;
    CAucItem item;
};

TEST_F(ChargeListTest, ListsOnlyActiveEntriesOfThePagesType) {
    const std::vector<FeeRow> rows = BuildFeeRows(fees, item, kChargeList);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0], (FeeRow{2, "Handling", "$1.50", false}));
    EXPECT_EQ(rows[1], (FeeRow{6, "Insurance", "$2.00", false}));
    // The inactive entry stays itemized until the list changes.
    EXPECT_TRUE(item.HasItemizedCharge(4));
}

TEST_F(ChargeListTest, CheckedRowsBecomeTheItemsChargesAndTheirTotal) {
    ChargePageTexts texts = ChargePageTexts::Read(item);
    texts.otherCharges = "99";  // a typed value gives way to the schedule's total
    texts.chargeNote = "boxed";
    const int checked[] = {2, 6};
    texts.RowsChanged(item, fees, checked);
    EXPECT_EQ(texts.otherCharges, "$3.50");
    EXPECT_EQ(texts.invoiceAmt, "$13.50");
    EXPECT_FALSE(item.HasItemizedCharge(4));
    EXPECT_TRUE(item.HasItemizedCharge(6));
    EXPECT_EQ(item.GetChargeNote(), "boxed");
}

TEST_F(ChargeListTest, UncheckingEveryRowGivesZeroNotEmpty) {
    ChargePageTexts texts = ChargePageTexts::Read(item);
    texts.RowsChanged(item, fees, {});
    EXPECT_EQ(texts.otherCharges, "$0.00");
    EXPECT_EQ(texts.Store(item), std::nullopt);
    EXPECT_EQ(EditText(item, field::OtherCharges), "$0.00");
}

TEST_F(ChargeListTest, AFeeThatCannotBeCalculatedEmptiesOtherFees) {
    SetEntry(fees, 9, "By payment", itemdb::fee_type::SellerFee, true, "0", field::AmtReceived);
    FeePageTexts texts = FeePageTexts::Read(item);
    texts.finalFee = "1.25";
    const int checked[] = {8, 9};
    texts.RowsChanged(item, fees, checked);  // nothing received yet
    EXPECT_EQ(texts.otherFees, "");
    EXPECT_EQ(texts.finalFee, "$1.25");
    EXPECT_EQ(texts.totalFees, "$1.25");

    texts.insertionFee = "x";
    EXPECT_EQ(texts.Store(item), "Invalid Insertion Fee");
}

// Categories: "By Category" holds a heading "Home" with "Lamps", which holds
// "Brass"; "Toys" follows at the top level.
class CategoryTreeTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.AddNode(folder::ByCategory, folder::Root, folder::Root, folder::ByCategory);
        tree.SetCurHeading(1);
        home = Add(folder::ByCategory, folder::ByCategory, "Home");
        tree.SetCurHeading(1);
        lamps = Add(home, home, "Lamps");
        brass = Add(lamps, lamps, "Brass");
        const std::int32_t none = Add(folder::ByCategory, brass, "No Category", folder::NoCategory);
        toys = Add(folder::ByCategory, none, "Toys");
        tree.AddNode(folder::Reports, folder::Root, toys, folder::Reports);
    }

    std::int32_t Add(std::int32_t parent, std::int32_t after, const char* name,
                     std::int32_t kind = folder::ByCategory) {
        const std::int32_t id = tree.AddNode(kind, parent, after);
        tree.SetCurType(folder::ByCategory);
        tree.SetCurName(name);
        return id;
    }

    CFolderTree tree;
    CAucItem item;
    std::int32_t home = 0, lamps = 0, brass = 0, toys = 0;
};

TEST_F(CategoryTreeTest, NestsCategoriesAtAnyDepth) {
    ASSERT_TRUE(item.AddCategory(brass));
    const CategoryTree categories(tree, item);
    const auto& nodes = categories.Nodes();
    ASSERT_EQ(nodes.size(), 5u);  // "No Category" and the reports left out
    EXPECT_EQ(nodes[0].folderId, folder::ByCategory);
    EXPECT_EQ(nodes[0].image, folder_image::Heading);
    const std::size_t brassNode = *categories.NodeOf(brass);
    EXPECT_EQ(nodes[brassNode].parent, categories.NodeOf(lamps));
    EXPECT_EQ(nodes[*categories.NodeOf(lamps)].parent, categories.NodeOf(home));
    EXPECT_EQ(nodes[*categories.NodeOf(toys)].parent, std::optional<std::size_t>(0));
    EXPECT_EQ(nodes[brassNode].image, folder_image::CategorySet);
    EXPECT_EQ(nodes[*categories.NodeOf(toys)].image, folder_image::CategoryNotSet);
    EXPECT_EQ(categories.SelectedCount(), 1);
    EXPECT_FALSE(categories.NodeOf(folder::NoCategory));
}

TEST_F(CategoryTreeTest, TogglesCategoriesAndRefusesATwentyFirst) {
    for (std::int32_t id = 300; id < 320; ++id) {
        ASSERT_TRUE(item.AddCategory(id));
    }
    CategoryTree categories(tree, item);
    const std::size_t toysNode = *categories.NodeOf(toys);
    EXPECT_EQ(categories.ToggleNode(toysNode, item), CategoryTree::Toggle::Refused);
    EXPECT_EQ(categories.Nodes()[toysNode].image, folder_image::CategoryNotSet);
    EXPECT_EQ(categories.ToggleNode(*categories.NodeOf(home), item), CategoryTree::Toggle::None);

    ASSERT_TRUE(item.RemoveCategory(300));
    EXPECT_EQ(categories.ToggleNode(toysNode, item), CategoryTree::Toggle::Added);
    EXPECT_EQ(categories.SelectedCount(), 1);
    EXPECT_EQ(categories.ToggleNode(toysNode, item), CategoryTree::Toggle::Removed);
    EXPECT_FALSE(item.HasCategory(toys));
    EXPECT_EQ(categories.SelectedCount(), 0);
}

TEST(CategoryTreeImages, OnlyHeadingsOpenAndClose) {
    EXPECT_EQ(CategoryTree::ImageAfterExpand(folder_image::Heading, true), 4);
    EXPECT_EQ(CategoryTree::ImageAfterExpand(4, false), folder_image::Heading);
    EXPECT_EQ(CategoryTree::ImageAfterExpand(folder_image::CategoryNotSet, true),
              folder_image::CategoryNotSet);
}

TEST(CategoryTreeEmpty, AProfileWithoutCategoriesShowsOnlyTheRoot) {
    CFolderTree tree;
    tree.AddNode(folder::ByCategory, folder::Root, folder::Root, folder::ByCategory);
    const CategoryTree categories(tree, CAucItem());
    EXPECT_EQ(categories.Nodes().size(), 1u);
}

}  // namespace
}  // namespace gb::app
