// The columns of a folder as the columns dialog edits them: what is offered,
// in which order, and the column set that comes back.

#include <gtest/gtest.h>

#include "app/core/UiStrings.h"
#include "app/core/columns/ColumnChoice.h"
#include "itemdb/ColumnSet.h"
#include "itemdb/FeeEntry.h"
#include "itemdb/FeeSchedule.h"
#include "platform/Cp1252.h"

using gb::app::ColumnChoice;
using gb::app::ColumnEntry;
using namespace gb::itemdb;

namespace {

std::vector<std::string> Titles(const std::vector<ColumnEntry>& entries) {
    std::vector<std::string> titles;
    for (const ColumnEntry& entry : entries) {
        titles.push_back(entry.title);
    }
    return titles;
}

class ColumnChoiceTest : public ::testing::Test {
protected:
    void SetUp() override {
        AddEntry(0, "Gallery", fee_type::SellerFee, true);
        AddEntry(1, "PayPal", fee_type::TransactionFee, true);
        AddEntry(2, "Pounds", fee_type::DisplayOnly, false);
    }
    void AddEntry(int index, std::string_view name, std::int32_t type, bool active) {
        fees.SetCurrent(index);
        fees.SetName(name);
        fees.SetType(type);
        fees.SetActive(active);
    }
    CFeeSchedule fees;
};

TEST_F(ColumnChoiceTest, OffersActiveChargesFeesAndEveryFieldInAlphabeticalOrder) {
    const ColumnChoice choice("!", fees);
    const std::vector<std::string> titles = Titles(choice.Available());
    // 49 fields (500 to 548) and the one active fee; transaction fees and
    // inactive entries are not offered.
    EXPECT_EQ(titles.size(), 50u);
    EXPECT_NE(std::find(titles.begin(), titles.end(), "Gallery*"), titles.end());
    EXPECT_EQ(std::find(titles.begin(), titles.end(), "PayPal*"), titles.end());
    EXPECT_EQ(std::find(titles.begin(), titles.end(), "Pounds*"), titles.end());
    EXPECT_TRUE(std::is_sorted(titles.begin(), titles.end(), [](const auto& a, const auto& b) {
        return gb::cp1252::CompareNoCase(a, b) < 0;
    }));
    EXPECT_TRUE(choice.Shown().empty());
}

TEST_F(ColumnChoiceTest, ShowsTheSetInItsOrderAndLeavesOutWhatIsNotOffered) {
    // Codes 2 (an inactive entry), 34 (502), 0 (Gallery) and 32 (500).
    const std::string set = {'!' + 4, '!' + 2, '!' + 34, '!' + 0, '!' + 32};
    const ColumnChoice choice(set, fees);
    EXPECT_EQ(Titles(choice.Shown()),
              (std::vector<std::string>{gb::app::UiText(502), "Gallery*", gb::app::UiText(500)}));
    EXPECT_EQ(choice.ColumnSetText(), std::string({'!' + 3, '!' + 34, '!' + 0, '!' + 32}));
}

TEST_F(ColumnChoiceTest, EachStandardSetComesBackUnchanged) {
    for (const auto set : {StandardColumnSet::Default, StandardColumnSet::MoneyColumns,
                           StandardColumnSet::MoneyColumnsWithoutTransactionFee,
                           StandardColumnSet::BasicMoneyColumns}) {
        const std::string text = ColumnSet::Standard(set).ToText();
        EXPECT_EQ(ColumnChoice(text, fees).ColumnSetText(), text) << static_cast<int>(set);
    }
}

TEST_F(ColumnChoiceTest, MovesColumnsBetweenTheListsAndWithinTheShown) {
    ColumnChoice choice("#AB", fees);  // 500, 501
    EXPECT_EQ(choice.Show(0, 1), 1);   // first available before 501
    const int added = choice.Shown()[1].code;
    EXPECT_EQ(choice.MoveShown(1, -1), 0);
    EXPECT_EQ(choice.MoveShown(0, -1), 0);
    EXPECT_EQ(choice.Shown()[0].code, added);
    EXPECT_EQ(choice.MoveShown(2, +1), 2);
    const int hidden = choice.Hide(0);
    EXPECT_EQ(choice.Available()[static_cast<std::size_t>(hidden)].code, added);
    EXPECT_EQ(choice.ColumnSetText(), "#AB");
    EXPECT_EQ(choice.Show(99, -1), -1);
    EXPECT_EQ(choice.Hide(-1), -1);
}

}  // namespace
