#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "app/core/AppSettings.h"
#include "app/core/web/WebAddress.h"
#include "app/core/web/WebCommands.h"
#include "app/core/web/WebPages.h"
#include "platform/Settings.h"
#include "tests/support/SettingsTestFolder.h"

namespace {

using namespace gb::app;

TEST(WebAddressTest, OnlyLowerCaseMailtoIsAMailAddress) {
    EXPECT_TRUE(IsMailAddress("mailto:buyer@example.com"));
    EXPECT_FALSE(IsMailAddress("MAILTO:buyer@example.com"));
    EXPECT_FALSE(IsMailAddress("http://example.com/mailto:x"));
}

TEST(WebAddressTest, TheAddressBoxShowsNothingForTheProgramsOwnPages) {
    EXPECT_EQ(AddressBoxText("res://Vellumark.dll/102"), "");
    EXPECT_EQ(AddressBoxText("res:anything"), "");
    EXPECT_EQ(AddressBoxText("http://127.0.0.1/res:"), "http://127.0.0.1/res:");
}

struct ResourceCase {
    const char* address;
    std::optional<std::string> file;
};

class ResourceFileNameTest : public ::testing::TestWithParam<ResourceCase> {};

TEST_P(ResourceFileNameTest, NamesAFileOfTheResourceFolderOnly) {
    EXPECT_EQ(ResourceFileName(GetParam().address), GetParam().file);
}

INSTANTIATE_TEST_SUITE_P(
    Addresses, ResourceFileNameTest,
    ::testing::Values(ResourceCase{"res://Vellumark.dll/102", "102.html"},
                      ResourceCase{"res://vellumark.dll/101", "101.html"},
                      ResourceCase{"res://VELLUMARK.DLL/logo.png", "logo.png"},
                      ResourceCase{"res://vellumark.dll/108?x=1#top", "108.html"},
                      ResourceCase{"res://vellumark.dll/", std::nullopt},
                      ResourceCase{"res://vellumark.dll/../secret", std::nullopt},
                      ResourceCase{"res://vellumark.dll/a/b", std::nullopt},
                      ResourceCase{"res://vellumark.dll/.hidden", std::nullopt},
                      ResourceCase{"res://other.dll/102", std::nullopt},
                      ResourceCase{"http://vellumark.dll/102", std::nullopt}));

TEST(WebCommandsTest, TheFontsCommandsGoFromLargestToSmallest) {
    EXPECT_EQ(TextSizeForCommand(web_cmd::FontLargest), 4);
    EXPECT_EQ(TextSizeForCommand(web_cmd::FontNormal), kNormalTextSize);
    EXPECT_EQ(TextSizeForCommand(web_cmd::FontSmallest), 0);
    EXPECT_EQ(TextSizeForCommand(web_cmd::FontSmallest + 1), std::nullopt);
    EXPECT_DOUBLE_EQ(ZoomFactorForTextSize(kNormalTextSize), 1.0);
    for (int size = 1; size <= 4; ++size) {
        EXPECT_LT(ZoomFactorForTextSize(size - 1), ZoomFactorForTextSize(size));
    }
}

class WebPagesTest : public gb::test::SettingsTestFolder {};

TEST_F(WebPagesTest, HomeAndSearchAreSettingsWithDefaults) {
    gb::Settings& settings = gb::Settings::CurrentUser();
    EXPECT_EQ(HomePageAddress(settings), "https://www.norvel-software.example/gavelbook/");
    EXPECT_EQ(SearchPageAddress(settings), kDefaultSearchPage);
    ASSERT_TRUE(settings.SetString(gb::app::SectionKey(gb::app::section::Settings), "HomePage",
                                   "http://127.0.0.1/home"));
    EXPECT_EQ(HomePageAddress(settings), "http://127.0.0.1/home");
}

}  // namespace
