// The main window's placement is stored under "Settings" and restored only
// when complete and reachable on the screen.

#include <gtest/gtest.h>

#include "app/core/AppSettings.h"
#include "app/core/WindowPlacement.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace {

class WindowPlacementTest : public ::testing::Test {
protected:
    TempFolder folder;
    gb::Settings user{folder / "user.settings"};
    const gb::app::ScreenArea screen{1024, 768, 32, 32};
};

TEST_F(WindowPlacementTest, ASavedPlacementComesBack) {
    const gb::app::WindowPlacement saved{0,  gb::app::WindowPlacement::kShowMaximized, 10, 20, 810,
                                         620};
    ASSERT_TRUE(gb::app::SaveWindowPlacement(user, saved));
    EXPECT_EQ(gb::app::LoadWindowPlacement(user, screen), saved);
    EXPECT_EQ(user.GetNumber(gb::app::SectionKey("Settings"), "Cmd"), 3u);
}

TEST_F(WindowPlacementTest, NothingStoredRestoresNothing) {
    EXPECT_FALSE(gb::app::LoadWindowPlacement(user, screen));
}

TEST_F(WindowPlacementTest, AMissingValueRestoresNothing) {
    ASSERT_TRUE(gb::app::SaveWindowPlacement(user, {0, 1, 10, 20, 810, 620}));
    ASSERT_TRUE(user.DeleteValue(gb::app::SectionKey("Settings"), "bottom"));
    EXPECT_FALSE(gb::app::LoadWindowPlacement(user, screen));
}

struct EdgeCase {
    gb::app::WindowPlacement placement;
    bool restored;
};

void PrintTo(const EdgeCase& c, std::ostream* os) {
    const gb::app::WindowPlacement& p = c.placement;
    *os << "left " << p.left << " top " << p.top << " right " << p.right << " bottom " << p.bottom;
}

class PlacementReachTest : public WindowPlacementTest,
                           public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(PlacementReachTest, OnlyAWindowReachableOnTheScreenIsRestored) {
    ASSERT_TRUE(gb::app::SaveWindowPlacement(user, GetParam().placement));
    EXPECT_EQ(gb::app::LoadWindowPlacement(user, screen).has_value(), GetParam().restored);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, PlacementReachTest,
    ::testing::Values(EdgeCase{{0, 1, 991, 0, 1500, 600}, true},   // left < 1024 - 32
                      EdgeCase{{0, 1, 992, 0, 1500, 600}, false},  // left at the limit
                      EdgeCase{{0, 1, 0, 735, 600, 1000}, true},   // top < 768 - 32
                      EdgeCase{{0, 1, 0, 736, 600, 1000}, false},  // top at the limit
                      EdgeCase{{0, 1, -500, 0, 33, 600}, true},    // right > 32
                      EdgeCase{{0, 1, -500, 0, 32, 600}, false},   // right at the limit
                      EdgeCase{{0, 1, 0, -500, 600, 32}, false},   // bottom at the limit
                      EdgeCase{{0, 1, 0, 0, 600, -1}, false}));    // a value of -1 is missing

}  // namespace
