// The frame's busy state, update-progress text, and the buttons and bands
// each folder kind shows.

#include <gtest/gtest.h>

#include <vector>

#include "app/core/BusyState.h"
#include "app/core/CommandIds.h"
#include "app/core/ProgressText.h"
#include "app/core/ToolbarLayout.h"

namespace {

using gb::app::BusyState;
using gb::app::BusyToken;

// What the window was told, in order: true busy, false idle.
struct Changes {
    std::vector<bool> seen;
    BusyState::Listener Listener() {
        return [this](bool busy) { seen.push_back(busy); };
    }
};

TEST(BusyStateTest, TheFirstShareMakesTheWindowBusyAndTheLastGivenBackIdle) {
    Changes changes;
    BusyState busy(changes.Listener());
    BusyToken page = busy.Hold();
    BusyToken run = busy.Hold();
    EXPECT_EQ(busy.Holders(), 2);
    EXPECT_EQ(changes.seen, std::vector<bool>{true});

    page.Release();
    EXPECT_TRUE(busy.IsBusy());
    page.Release();  // a second release gives back nothing more
    EXPECT_EQ(busy.Holders(), 1);
    EXPECT_EQ(changes.seen, std::vector<bool>{true});

    run.Release();
    EXPECT_FALSE(busy.IsBusy());
    EXPECT_EQ(changes.seen, (std::vector<bool>{true, false}));
}

TEST(BusyStateTest, AHolderThatGoesGivesItsShareBack) {
    Changes changes;
    BusyState busy(changes.Listener());
    {
        const BusyToken folderLoad = busy.Hold();
        EXPECT_TRUE(busy.IsBusy());
    }
    EXPECT_FALSE(busy.IsBusy());
    EXPECT_EQ(changes.seen, (std::vector<bool>{true, false}));
}

TEST(BusyStateTest, ASharePassesOnWithoutTheWindowFallingIdle) {
    Changes changes;
    BusyState busy(changes.Listener());
    BusyToken first = busy.Hold();
    BusyToken moved = std::move(first);
    EXPECT_FALSE(first.IsHeld());
    EXPECT_TRUE(moved.IsHeld());
    // A page that starts loading again takes its new share before the old
    // one goes.
    moved = busy.Hold();
    EXPECT_EQ(busy.Holders(), 1);
    EXPECT_EQ(changes.seen, std::vector<bool>{true});
}

TEST(BusyStateTest, AShareOutlivingTheStateGivesBackNothing) {
    Changes changes;
    BusyToken left;
    {
        BusyState busy(changes.Listener());
        left = busy.Hold();
    }
    EXPECT_FALSE(left.IsHeld());
    left.Release();
    EXPECT_EQ(changes.seen, std::vector<bool>{true});
}

TEST(ProgressTextTest, GrowsToFiveThenStartsAgain) {
    gb::app::ProgressText progress;
    std::string expected;
    for (int tick = 1; tick <= 5; ++tick) {
        expected += "Updating... ";
        EXPECT_EQ(progress.Tick(), expected) << "tick " << tick;
    }
    EXPECT_EQ(progress.Tick(), "Updating... ");
}

TEST(ProgressTextTest, TheNextRunStartsFromOneAfterTheEnd) {
    gb::app::ProgressText progress;
    progress.Tick();
    progress.Tick();
    EXPECT_EQ(progress.Complete(), "Update Complete!");
    // A late tick of the run that ended leaves the end's text.
    EXPECT_EQ(progress.Tick(), "Update Complete!");
    progress.Start();
    EXPECT_EQ(progress.Tick(), "Updating... ");
}

TEST(ToolbarLayoutTest, HasTwentyFiveEntriesWithImagesInOrder) {
    const auto toolbar = gb::app::MainToolbar();
    ASSERT_EQ(toolbar.size(), 25u);
    int nextImage = 0;
    for (const gb::app::ToolbarEntry& entry : toolbar) {
        if (entry.command != 0) {
            EXPECT_EQ(entry.image, nextImage++) << entry.command;
        }
    }
    EXPECT_EQ(toolbar[22].image, 19);
    EXPECT_EQ(toolbar[23].image, 20);
    EXPECT_EQ(toolbar[6].dropDown, gb::app::ToolbarEntry::DropDown::Arrow);
    EXPECT_EQ(toolbar[13].dropDown, gb::app::ToolbarEntry::DropDown::Arrow);
    EXPECT_EQ(toolbar[22].dropDown, gb::app::ToolbarEntry::DropDown::Whole);
}

struct KindCase {
    int kind;
    bool itemButtons;
    bool browserButtons;
    bool summary;
    bool caption;
    bool address;
    bool animation;
};

void PrintTo(const KindCase& c, std::ostream* os) {
    *os << "kind " << c.kind;
}

class ToolbarVisibilityTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(ToolbarVisibilityTest, ShowsWhatTheFolderKindNeeds) {
    const KindCase& c = GetParam();
    const auto shown = gb::app::ToolbarVisibility::ForFolderKind(c.kind);
    for (int command : {gb::app::cmd::EditItems, gb::app::cmd::EditCopy, gb::app::cmd::MailTo,
                        gb::app::cmd::ItemSearch, gb::app::cmd::ExportItems,
                        gb::app::cmd::ViewListing, gb::app::cmd::InstantSummary}) {
        EXPECT_EQ(shown.IsShown(command), c.itemButtons) << command;
    }
    for (int command = gb::app::cmd::WebBack; command <= gb::app::cmd::WebFonts; ++command) {
        EXPECT_EQ(shown.IsShown(command), c.browserButtons) << command;
    }
    for (int command : {gb::app::cmd::FeeSchedule, gb::app::cmd::UserProfile,
                        gb::app::cmd::UpdateDatabase, gb::app::cmd::AppExit}) {
        EXPECT_TRUE(shown.IsShown(command)) << command;
    }
    EXPECT_EQ(shown.IsShown(gb::app::Band::Summary), c.summary);
    EXPECT_EQ(shown.IsShown(gb::app::Band::Caption), c.caption);
    EXPECT_EQ(shown.IsShown(gb::app::Band::Address), c.address);
    EXPECT_EQ(shown.IsShown(gb::app::Band::Animation), c.animation);
}

INSTANTIATE_TEST_SUITE_P(Kinds, ToolbarVisibilityTest,
                         ::testing::Values(KindCase{101, true, false, true, true, false, true},
                                           KindCase{105, true, false, true, true, false, true},
                                           KindCase{106, true, false, true, true, false, true},
                                           KindCase{107, true, false, true, true, false, true},
                                           KindCase{108, false, true, false, false, true, true},
                                           KindCase{119, false, true, false, false, true, true},
                                           KindCase{109, false, false, false, false, false, false},
                                           KindCase{116, false, false, false, false, false,
                                                    false}));

}  // namespace
