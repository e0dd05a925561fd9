// The emulator as a program of its own, and `gbtool update` bringing the
// demonstration profile up to date against it, each in a process of its own
// as a person would run them.

#include <gtest/gtest.h>
#include <signal.h>

#include "ChildProcess.h"
#include "interfaces/ClassIds.h"
#include "itemdb/AucDoc.h"
#include "platform/Settings.h"
#include "sites/SiteProfile.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

using namespace gb::sites;

using namespace gb::itemdb;

namespace gb::e2e {
namespace {

using namespace std::chrono_literals;

constexpr char kListening[] = "site-emulator listening on ";
// The first sample item of the first seller the emulator is given.
constexpr char kFirstSampleItem[] = "5100000000";

std::string ClassNameOf(std::string_view siteName) {
    for (const SiteProfile& profile : AllSiteProfiles()) {
        if (profile.displayName == siteName) {
            return std::string(profile.className);
        }
    }
    return {};
}

// The emulator's sellers: those of the profile, with the passwords it keeps.
std::vector<std::string> EmulatorArguments(CAucDoc& profile) {
    std::vector<std::string> arguments{"--configure", "--items", "6", "--rows-per-page", "4"};
    CSellerList& sellers = profile.GetSellerList();
    for (int index = 0; index < sellers.GetCount(); ++index) {
        sellers.SetCurrent(index);
        arguments.push_back("--seller");
        arguments.push_back(ClassNameOf(sellers.GetSite()) + ":" + sellers.GetSellerId() + ":" +
                            sellers.GetPassword());
    }
    return arguments;
}

TEST(StandaloneUpdateTest, GbtoolUpdateBringsTheDemonstrationProfileUpToDate) {
    const TempFolder folder;
    ChildProcess makeData(GB_GBTOOL, {"make-data", folder.Path().string()});
    makeData.ReadAll();
    ASSERT_EQ(makeData.Wait(), 0);
    const std::filesystem::path profile = folder.Path() / "Demo.pro";
    CAucDoc before;
    ASSERT_TRUE(before.OnOpenDocument(profile))
        << "gbtool make-data wrote no demonstration profile";
    ASSERT_GT(before.GetSellerList().GetCount(), 0);

    ChildProcess emulator(GB_SITE_EMULATOR, EmulatorArguments(before));
    std::optional<std::string> line;
    while ((line = emulator.ReadLine(60s)) && !line->starts_with(kListening)) {
    }
    ASSERT_TRUE(line) << "the emulator did not start";

    ChildProcess update(GB_GBTOOL, {"update", profile.string()});
    const std::string output = update.ReadAll();
    EXPECT_EQ(update.Wait(), 0) << output;
    EXPECT_NE(output.find("Update Complete for site"), std::string::npos) << output;

    CAucDoc after;
    ASSERT_TRUE(after.OnOpenDocument(profile));
    CSellerList& sellers = after.GetSellerList();
    for (int index = 0; index < sellers.GetCount(); ++index) {
        sellers.SetCurrent(index);
        EXPECT_EQ(sellers.GetLastUpdate().IsValid(), sellers.IsActive() != 0)
            << sellers.GetSellerId();
    }
    sellers.SetCurrent(0);
    EXPECT_TRUE(after.GetItemList().FindItem(sellers.GetSite(), kFirstSampleItem));

    emulator.Signal(SIGTERM);
    EXPECT_EQ(emulator.Wait(), 0);
    // The emulator took back the settings it had pointed at itself.
    EXPECT_FALSE(Settings::CurrentUser().KeyExists(std::string(kApplicationKey) + "\\SiteServers"));
}

}  // namespace
}  // namespace gb::e2e
