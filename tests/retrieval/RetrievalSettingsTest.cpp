#include "retrieval/RetrievalSettings.h"

#include <gtest/gtest.h>

#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

namespace gb::retrieval {
namespace {

using namespace std::chrono_literals;

class RetrievalSettingsTest : public testing::Test {
protected:
    const std::string key_ = std::string(kApplicationKey) + "\\Retrieval";
    test::TempFolder folder_;
    Settings settings_{folder_.Path() / "user.settings"};
};

TEST_F(RetrievalSettingsTest, MissingValuesKeepTheDefaults) {
    const BrowserSession::Options options = ReadBrowserOptions(settings_);
    const BrowserSession::Limits defaults;
    EXPECT_EQ(options.limits.connect, defaults.connect);
    EXPECT_EQ(options.limits.stall, defaults.stall);
    EXPECT_EQ(options.limits.overall, defaults.overall);
    // A site that sends no whole page for three minutes is given up.
    EXPECT_EQ(options.limits.progress, 180s);
    EXPECT_TRUE(options.extraCaFile.empty());
}

TEST_F(RetrievalSettingsTest, ReadsLimitsInSecondsAndTheTrustedCertificates) {
    ASSERT_TRUE(settings_.SetNumber(key_, "ConnectTimeout", 5));
    ASSERT_TRUE(settings_.SetNumber(key_, "StallTimeout", 7));
    ASSERT_TRUE(settings_.SetNumber(key_, "OverallTimeout", 0));  // zero keeps the default
    ASSERT_TRUE(settings_.SetNumber(key_, "ProgressTimeout", 150));
    ASSERT_TRUE(settings_.SetString(key_, "TrustedCertificates", "/etc/test-ca.pem"));
    const BrowserSession::Options options = ReadBrowserOptions(settings_);
    EXPECT_EQ(options.limits.connect, 5s);
    EXPECT_EQ(options.limits.stall, 7s);
    EXPECT_EQ(options.limits.overall, BrowserSession::Limits{}.overall);
    EXPECT_EQ(options.limits.progress, 150s);
    EXPECT_EQ(options.extraCaFile, "/etc/test-ca.pem");
}

}  // namespace
}  // namespace gb::retrieval
