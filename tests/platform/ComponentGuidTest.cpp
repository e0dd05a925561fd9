#include "platform/Guid.h"

#include <gtest/gtest.h>

namespace gb {
namespace {

TEST(ComponentGuid, ParsesEitherCaseAndFormatsUpperCase) {
    const auto lower = Guid::Parse("{74ccd217-6278-11d5-9b10-00aa00558c1a}");
    const auto upper = Guid::Parse("{74CCD217-6278-11D5-9B10-00AA00558C1A}");
    ASSERT_TRUE(lower);
    ASSERT_TRUE(upper);
    EXPECT_EQ(*lower, *upper);
    EXPECT_EQ(lower->ToString(), "{74CCD217-6278-11D5-9B10-00AA00558C1A}");
    EXPECT_EQ(lower->data1, 0x74CCD217u);
    EXPECT_EQ(lower->data2, 0x6278u);
    EXPECT_EQ(lower->data3, 0x11D5u);
    EXPECT_EQ(lower->data4[0], 0x9Bu);
    EXPECT_EQ(lower->data4[7], 0x1Au);
}

TEST(ComponentGuid, RejectsAnythingButTheBracedForm) {
    const char* const malformed[] = {
        "",
        "74CCD217-6278-11D5-9B10-00AA00558C1A",
        "{74CCD217-6278-11D5-9B10-00AA00558C1A",
        "{74CCD217-6278-11D5-9B10-00AA00558C1A}}",
        "{74CCD217-6278-11D5-9B1000AA00558C1A-}",
        "{74CCD217+6278-11D5-9B10-00AA00558C1A}",
        "{74CCD21G-6278-11D5-9B10-00AA00558C1A}",
        "{74CCD217-6278-11D5-9B10-00AA00558C1Z}",
        "{ 4CCD217-6278-11D5-9B10-00AA00558C1A}",
    };
    for (const char* text : malformed) {
        EXPECT_FALSE(Guid::Parse(text)) << text;
    }
}

TEST(ComponentGuid, OrdersByValue) {
    constexpr Guid small = Guid::Literal("{040C0984-67F3-11D5-9B16-00AA00558C1A}");
    constexpr Guid large = Guid::Literal("{74CCD217-6278-11D5-9B10-00AA00558C1A}");
    static_assert(small < large);
    EXPECT_NE(small, large);
    EXPECT_EQ(Guid{}.ToString(), "{00000000-0000-0000-0000-000000000000}");
}

}  // namespace
}  // namespace gb
