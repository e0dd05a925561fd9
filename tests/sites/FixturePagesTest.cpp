// The committed fixture pages are what the generator writes. Run the test with
// GB_WRITE_SITE_FIXTURES=1 to write them afresh after changing the generator;
// the expected rows beside them are then checked and mended by hand.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "FixturePages.h"
#include "platform/FileIo.h"

using namespace gb::sites;

namespace gb::testing {
namespace {

TEST(FixturePages, CommittedPagesAreWhatTheGeneratorWrites) {
    const bool write = std::getenv("GB_WRITE_SITE_FIXTURES") != nullptr;
    for (const SiteProfile& profile : AllSiteProfiles()) {
        const std::filesystem::path folder =
            std::filesystem::path(GB_TEST_FIXTURES) / FixtureFolder(profile.siteClass);
        for (const FixturePage& page : FixturePagesOf(profile.siteClass)) {
            const std::filesystem::path path = folder / page.fileName;
            if (write) {
                std::filesystem::create_directories(folder);
                WriteFileAtomically(path, page.text);
            }
            EXPECT_EQ(ReadWholeFile(path), page.text) << path;
        }
    }
}

}  // namespace
}  // namespace gb::testing
