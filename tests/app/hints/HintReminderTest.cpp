// The one-time hints: shown until the user ticks "Do not display this message
// again.", which the user's settings remember per hint.

#include "app/core/hints/HintReminder.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "tests/support/TempFolder.h"
#include "app/core/AppSettings.h"
#include "app/core/UiStrings.h"
#include "platform/Settings.h"

using gb::test::TempFolder;

namespace {

class HintReminderTest : public ::testing::Test {
protected:
    std::uint32_t Stored(int stringId) const {
        return user.GetNumber(gb::app::SectionKey("Reminder"), std::to_string(stringId), 0);
    }

    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    // The hints shown, and whether the user ticks "Do not display this
    // message again." in the next ones (unticked when none is left).
    struct {
        std::vector<int> hints;
        std::deque<bool> doNotShowAgain;
    } dialogs;
    gb::app::HintReminder hints{user, [this](int stringId) {
                                    dialogs.hints.push_back(stringId);
                                    if (dialogs.doNotShowAgain.empty()) {
                                        return false;
                                    }
                                    const bool answer = dialogs.doNotShowAgain.front();
                                    dialogs.doNotShowAgain.pop_front();
                                    return answer;
                                }};
};

TEST_F(HintReminderTest, ATickedHintIsRememberedAndNotShownAgain) {
    dialogs.doNotShowAgain = {true};
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintDuplicateElsewhere));
    EXPECT_EQ(Stored(59562), 1u);
    EXPECT_TRUE(hints.IsSwitchedOff(59562));

    EXPECT_FALSE(hints.ShowOnce(gb::app::string_id::HintDuplicateElsewhere));
    EXPECT_EQ(dialogs.hints, std::vector<int>{59562});
}

TEST_F(HintReminderTest, AnUntickedHintShowsAgainAndWritesNothing) {
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_EQ(dialogs.hints, (std::vector<int>{59521, 59521}));
    EXPECT_FALSE(user.GetValue(gb::app::SectionKey("Reminder"), "59521").has_value());
}

TEST_F(HintReminderTest, EachHintIsSwitchedOffOnItsOwn) {
    dialogs.doNotShowAgain = {true};
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPaymentMethod));
    EXPECT_FALSE(hints.ShowOnce(gb::app::string_id::HintPasteMail));
    EXPECT_EQ(dialogs.hints, (std::vector<int>{59521, 59522}));
}

TEST_F(HintReminderTest, AnyNonzeroValueSwitchesAHintOffAndZeroOrRemovalOn) {
    const std::string key = gb::app::SectionKey("Reminder");
    ASSERT_TRUE(user.SetNumber(key, "59522", 7));
    EXPECT_FALSE(hints.ShowOnce(gb::app::string_id::HintPaymentMethod));
    ASSERT_TRUE(user.SetNumber(key, "59522", 0));
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPaymentMethod));
    ASSERT_TRUE(user.SetNumber(key, "59522", 1));
    ASSERT_TRUE(user.DeleteValue(key, "59522"));
    EXPECT_TRUE(hints.ShowOnce(gb::app::string_id::HintPaymentMethod));
    EXPECT_EQ(dialogs.hints.size(), 2u);
}

}  // namespace
