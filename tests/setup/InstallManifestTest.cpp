#include "setup/core/InstallManifest.h"

#include <gtest/gtest.h>

namespace gb::setup {
namespace {

TEST(InstallManifestTest, RoundTripsFieldsWithSeparatorsInThem) {
    InstallManifest manifest;
    manifest.files.push_back({"/home/a b/Lotkeeper", 123, 0xFEDCBA9876543210ULL});
    manifest.values.push_back(
        {"/home/u.settings", "Software\\Norvel Software\\x", "odd\tname\n100%"});
    manifest.keys.push_back({"/c.settings", "CLSID\\{1}"});
    manifest.settingsFiles.emplace_back("/c.settings");
    manifest.servers.push_back({"/t/libBidscope.so", "/t"});
    const std::optional<InstallManifest> read = InstallManifest::FromText(manifest.ToText());
    ASSERT_TRUE(read);
    EXPECT_EQ(read->ToText(), manifest.ToText());
    EXPECT_EQ(read->values[0].name, "odd\tname\n100%");
    EXPECT_EQ(read->files[0].fingerprint, 0xFEDCBA9876543210ULL);
}

TEST(InstallManifestTest, RefusesMalformedLines) {
    for (const char* text : {"file\t/a\t12\n", "file\t/a\tx\t1\n", "what\t/a\n", "key\t/a\t%4\n",
                             "value\t/a%ZZ\tk\tn\n"}) {
        EXPECT_FALSE(InstallManifest::FromText(text)) << text;
    }
}

}  // namespace
}  // namespace gb::setup
