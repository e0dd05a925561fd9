#include "platform/Clock.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(Clock, ScopedClockInstallsAndRestores) {
    const FixedClock fixed(DateTime::FromCivil(2002, 12, 9, 14, 30));
    {
        ScopedClock scope(fixed);
        EXPECT_EQ(Clock::Now(), fixed.LocalNow());
    }
    EXPECT_TRUE(Clock::Now().IsValid());
    EXPECT_NE(Clock::Now(), fixed.LocalNow());
}

}  // namespace
}  // namespace gb
