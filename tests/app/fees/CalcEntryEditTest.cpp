// The fee-entry editor's checks and store: refusals and questions in their
// order, the entry written to the schedule's current entry, never another.

#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "app/core/UiStrings.h"
#include "app/core/fees/CalcEntryEdit.h"
#include "itemdb/FeeSchedule.h"
#include "itemdb/FieldId.h"

using gb::app::CalcEntryForm;
using gb::app::StoreCalcEntry;
using namespace gb::itemdb;

namespace {

// Answers from a script and records every message asked.
class ScriptedPrompts final : public gb::app::CalcEntryPrompts {
public:
    explicit ScriptedPrompts(std::deque<bool> answers = {}) : answers_(std::move(answers)) {}
    void Refuse(int messageId) override { asked.push_back(messageId); }
    bool DeactivateOther(int messageId) override { return Answer(messageId); }
    bool Revise(int messageId) override { return Answer(messageId); }

    std::vector<int> asked;

private:
    bool Answer(int messageId) {
        asked.push_back(messageId);
        const bool answer = !answers_.empty() && answers_.front();
        if (!answers_.empty()) {
            answers_.pop_front();
        }
        return answer;
    }
    std::deque<bool> answers_;
};

constexpr int kMaxBid = field::MaxBid - 468;
constexpr int kSHCharge = field::SHCharge - 468;

CalcEntryForm Formula(const char* name, const char* base, float factor, std::vector<int> fields) {
    CalcEntryForm form;
    form.typeIndex = 0;
    form.name = name;
    form.baseText = base;
    form.factor = factor;
    form.formula = true;
    form.selectedFields = std::move(fields);
    return form;
}

struct MessageCase {
    const char* name;
    CalcEntryForm form;
    int message;
};

class CalcEntryMessageTest : public ::testing::TestWithParam<MessageCase> {};

TEST_P(CalcEntryMessageTest, StopsWithItsMessage) {
    CFeeSchedule schedule;
    schedule.SetCurrent(3);
    ScriptedPrompts prompts({true});  // Yes: revise; OK would deactivate
    EXPECT_FALSE(StoreCalcEntry(schedule, GetParam().form, prompts));
    EXPECT_EQ(prompts.asked, std::vector<int>{GetParam().message});
}

// The base is checked before the name, the name before the formula.
std::vector<MessageCase> MessagesInOrder() {
    return {
        {"BaseBeforeName", Formula("", "abc", 0.0f, {}), gb::app::string_id::FeeBaseInvalid},
        {"NameBeforeFormula", Formula("", "0", 0.0f, {}), gb::app::string_id::FeeNameMissing},
        {"AlwaysZero", Formula("Fee", "", 0.0f, {kMaxBid}), gb::app::string_id::FeeAlwaysZero},
        {"FactorZero", Formula("Fee", "1", 0.0f, {kMaxBid}), gb::app::string_id::FeeFactorZero},
        {"NoFields", Formula("Fee", "1", 0.5f, {}), gb::app::string_id::FeeNoFields},
    };
}

INSTANTIATE_TEST_SUITE_P(InOrder, CalcEntryMessageTest, ::testing::ValuesIn(MessagesInOrder()),
                         [](const auto& p) { return std::string(p.param.name); });

TEST(CalcEntryEdit, ADuplicateNameAsksFirstAndDeactivatesTheOtherEntryNotThisOne) {
    CFeeSchedule schedule;
    schedule.SetCurrent(7);
    schedule.SetType(fee_type::Charge);
    schedule.SetName("Handling");
    schedule.SetActive(true);
    schedule.SetCurrent(3);

    ScriptedPrompts cancel({false});
    EXPECT_FALSE(StoreCalcEntry(schedule, Formula("HANDLING", "1", 0.5f, {kMaxBid}), cancel));
    EXPECT_EQ(cancel.asked, std::vector<int>{gb::app::string_id::FeeNameUsed});
    EXPECT_TRUE(schedule.GetEntry(7).IsActive());

    ScriptedPrompts ok({true});
    EXPECT_TRUE(StoreCalcEntry(schedule, Formula("HANDLING", "1", 0.5f, {kMaxBid}), ok));
    EXPECT_EQ(schedule.GetCurrent(), 3);
    EXPECT_FALSE(schedule.GetEntry(7).IsActive());
    EXPECT_EQ(schedule.GetEntry(7).GetName(), "Handling");
    EXPECT_TRUE(schedule.GetEntry(3).IsActive());
    EXPECT_EQ(schedule.GetEntry(3).GetName(), "HANDLING");
}

TEST(CalcEntryEdit, AFactorOfZeroAnsweredNoStoresTheEntryWithoutFields) {
    CFeeSchedule schedule;
    ScriptedPrompts no({false});
    EXPECT_TRUE(StoreCalcEntry(schedule, Formula("Fee", "1", 0.0f, {kMaxBid, kSHCharge}), no));
    EXPECT_EQ(no.asked, std::vector<int>{gb::app::string_id::FeeFactorZero});
    EXPECT_EQ(schedule.GetFieldCount(), 0);
}

TEST(CalcEntryEdit, AFixedAmountHasNoFactorAndNoFields) {
    CFeeSchedule schedule;
    CalcEntryForm form = Formula("Fee", "2.50", 0.5f, {kMaxBid});
    form.formula = false;
    ScriptedPrompts prompts;
    EXPECT_TRUE(StoreCalcEntry(schedule, form, prompts));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_EQ(schedule.GetFactor(), 0.0f);
    EXPECT_EQ(schedule.GetFieldCount(), 0);
}

TEST(CalcEntryEdit,
     OnlyADisplayOnlyEntryKeepsItsCurrencySymbolAndATransactionFeeIsNamedByItsMethod) {
    CFeeSchedule schedule;
    CalcEntryForm form = Formula("Euro", "1", 0.5f, {kMaxBid});
    form.currencySymbol = "\x80";
    ScriptedPrompts prompts;
    for (const int index : {0, 1, 2, 3}) {
        form.typeIndex = index;
        form.methodName = "PayPal";
        ASSERT_TRUE(StoreCalcEntry(schedule, form, prompts));
        EXPECT_EQ(schedule.GetType(), gb::app::FeeTypeOfIndex(index));
        EXPECT_EQ(schedule.GetCurrencySymbol(), index == 3 ? "\x80" : "");
        EXPECT_EQ(schedule.GetName(), index == 2 ? "PayPal" : "Euro");
    }
}

TEST(CalcEntryEdit, AnInactiveEntrySkipsTheNameAndFormulaChecks) {
    CFeeSchedule schedule;
    CalcEntryForm form = Formula("", "0", 0.0f, {});
    form.inactive = true;
    ScriptedPrompts prompts;
    EXPECT_TRUE(StoreCalcEntry(schedule, form, prompts));
    EXPECT_TRUE(prompts.asked.empty());
    EXPECT_FALSE(schedule.IsActive());
}

TEST(CalcEntryEdit, FieldSetsFollowTheType) {
    EXPECT_EQ(gb::app::FeeFieldsOfType(fee_type::Charge).size(), 10u);
    EXPECT_EQ(gb::app::FeeFieldsOfType(fee_type::TransactionFee).size(), 13u);
    const std::vector<int> display = gb::app::FeeFieldsOfType(fee_type::DisplayOnly);
    ASSERT_EQ(display.size(), 14u);
    EXPECT_EQ(gb::app::FeeFieldName(display.front()), "Min Bid");
    EXPECT_EQ(gb::app::FeeFieldName(display[11]), "Transaction Fee");
}

}  // namespace
