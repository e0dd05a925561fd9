// The demonstration profile that `gbtool make-data` writes, read back through
// the document and printed by `gbtool dump-profile`.

#include <gtest/gtest.h>
#include <stdio.h>

#include <set>
#include <string>

#include "ShippedData.h"
#include "itemdb/AucDoc.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

class DemoProfileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(MakeShippedData(folder_.Path()));
        ASSERT_TRUE(doc_.OnOpenDocument(folder_ / "Demo.pro"));
    }

    const StateList& List(std::int32_t state) { return *doc_.GetItemList().GetStateList(state); }

    TempFolder folder_;
    CAucDoc doc_;
};

TEST_F(DemoProfileTest, HasTwoSellersOnTwoSitesWithTheirFolders) {
    CSellerList& sellers = doc_.GetSellerList();
    ASSERT_EQ(sellers.GetCount(), 2);
    std::set<std::string> sites;
    CFolderTree& tree = doc_.EditFolders();
    for (int i = 0; i < sellers.GetCount(); ++i) {
        sellers.SetCurrent(i);
        sites.insert(sellers.GetSite());
        ASSERT_TRUE(tree.FindNode(sellers.GetFolderId()));
        EXPECT_EQ(tree.GetCurName(), sellers.GetDisplayName());
    }
    EXPECT_EQ(sites, (std::set<std::string>{"eBay USA", "eBay UK"}));
    EXPECT_TRUE(tree.FindNode(folder::ByStatus));
    EXPECT_TRUE(tree.FindNode(folder::VersionUpdates));
    EXPECT_TRUE(tree.FindNode(doc_.GetSelectedFolderId()));
    EXPECT_EQ(tree.GetCurKind(), folder::AllItems);
}

TEST_F(DemoProfileTest, HoldsItemsInEveryState) {
    int running = 0, runningWithBids = 0, endedWithBids = 0, endedWithoutBids = 0, paid = 0,
        shipped = 0;
    std::set<std::int32_t> categories;
    std::set<std::int32_t> statuses;
    for (const std::int32_t state : {102, 103, 107}) {
        for (const CAucItem& item : List(state).Items()) {
            std::string text;
            const bool sold = item.IsSold();
            running += state == 102 ? 1 : 0;
            runningWithBids += state == 102 && sold ? 1 : 0;
            endedWithBids += state == 103 && sold ? 1 : 0;
            endedWithoutBids += state == 103 && !sold ? 1 : 0;
            paid += item.GetPayDate(text) ? 1 : 0;
            shipped += item.GetShipDate(text) ? 1 : 0;
            categories.insert(item.GetCategories().begin(), item.GetCategories().end());
            statuses.insert(item.GetStatus());
        }
    }
    const std::size_t total = List(102).Size() + List(103).Size() + List(107).Size();
    EXPECT_GE(total, 20u);
    EXPECT_LE(total, 30u);
    EXPECT_GT(running, runningWithBids);
    EXPECT_GT(runningWithBids, 0);
    EXPECT_GT(endedWithBids, 0);
    EXPECT_GT(endedWithoutBids, 0);
    EXPECT_GT(paid, shipped);
    EXPECT_GT(shipped, 0);
    EXPECT_FALSE(List(107).IsEmpty());
    EXPECT_GE(categories.size(), 3u);
    EXPECT_GE(statuses.size(), 4u);  // in progress, needs attention and the seller's own
    CFolderTree& tree = doc_.EditFolders();
    for (const std::int32_t id : categories) {
        EXPECT_TRUE(tree.FindNode(id)) << id;
    }
}

std::string OutputOf(const std::string& command) {
    std::string output;
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return output;
    }
    char buffer[4096];
    std::size_t read = 0;
    while ((read = std::fread(buffer, 1, sizeof buffer, pipe)) > 0) {
        output.append(buffer, read);
    }
    ::pclose(pipe);
    return output;
}

TEST_F(DemoProfileTest, DumpShowsSellersFoldersAndItems) {
    const std::string gbtool = std::string(GB_BIN_DIR) + "/gbtool";
    const std::string dump =
        OutputOf("'" + gbtool + "' dump-profile '" + (folder_ / "Demo.pro").string() + "'");
    EXPECT_NE(dump.find("profile\tDemo\n"), std::string::npos);
    EXPECT_NE(dump.find("version\t272252\n"), std::string::npos);
    EXPECT_NE(dump.find("sellers\t2\n"), std::string::npos);
    EXPECT_NE(dump.find("  cornercurios\teBay USA\t"), std::string::npos);
    EXPECT_NE(dump.find("password none"), std::string::npos);
    EXPECT_NE(dump.find("    104 By Status\t"), std::string::npos);
    const std::size_t items = List(102).Size() + List(103).Size() + List(107).Size();
    std::size_t itemLines = 0;
    for (const char* state : {"\n  102\t", "\n  103\t", "\n  107\t"}) {
        for (std::size_t at = dump.find(state); at != std::string::npos;
             at = dump.find(state, at + 1)) {
            ++itemLines;
        }
    }
    EXPECT_EQ(itemLines, items);
}

TEST(DumpProfile, RefusesWhatIsNotAProfile) {
    TempFolder folder;
    const auto path = folder.Write("bad.pro", "not a profile");
    const std::string gbtool = std::string(GB_BIN_DIR) + "/gbtool";
    const std::string command = "'" + gbtool + "' dump-profile '" + path.string() + "' 2>&1";
    const std::string output = OutputOf(command);
    EXPECT_NE(output.find("Unexpected file format."), std::string::npos) << output;
    EXPECT_NE(std::system((command + " >/dev/null").c_str()), 0);
}

}  // namespace
