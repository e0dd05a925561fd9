#include "setup/core/InstallManifest.h"

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <fstream>

#include "tests/support/TempFolder.h"

namespace gb::setup {
namespace {

TEST(InstallManifestTest, RoundTripsFieldsWithSeparatorsInThem) {
    InstallManifest manifest;
    manifest.files.push_back({"/home/a b/Lotkeeper", 123, 0xFEDCBA9876543210ULL});
    manifest.folders.emplace_back("/home/a b/with\ttab");
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
    EXPECT_EQ(read->folders, manifest.folders);
}

// A large installed file is fingerprinted a piece at a time: the memory the
// process needs does not grow with the file.
TEST(InstallManifestTest, FingerprintsLargeFilesInPieces) {
    const test::TempFolder folder;
    const std::filesystem::path path = folder.Path() / "large";
    constexpr std::uintmax_t kSize = 96u << 20;
    { std::ofstream(path, std::ios::binary).put('x'); }
    std::filesystem::resize_file(path, kSize);
    rusage before{};
    ::getrusage(RUSAGE_SELF, &before);
    const std::optional<InstalledFile> large = InstallManifest::Fingerprint(path);
    rusage after{};
    ::getrusage(RUSAGE_SELF, &after);
    ASSERT_TRUE(large);
    EXPECT_EQ(large->size, kSize);
    EXPECT_LT(after.ru_maxrss - before.ru_maxrss, 32 * 1024) << "kilobytes more at the peak";

    // The same bytes give the same fingerprint, another byte another one.
    EXPECT_EQ(InstallManifest::Fingerprint(path)->fingerprint, large->fingerprint);
    { std::fstream(path, std::ios::binary | std::ios::in | std::ios::out).put('y'); }
    EXPECT_NE(InstallManifest::Fingerprint(path)->fingerprint, large->fingerprint);
    EXPECT_FALSE(InstallManifest::Fingerprint(folder.Path() / "missing"));
}

TEST(InstallManifestTest, RefusesMalformedLines) {
    for (const char* text : {"file\t/a\t12\n", "file\t/a\tx\t1\n", "what\t/a\n", "key\t/a\t%4\n",
                             "value\t/a%ZZ\tk\tn\n"}) {
        EXPECT_FALSE(InstallManifest::FromText(text)) << text;
    }
}

}  // namespace
}  // namespace gb::setup
