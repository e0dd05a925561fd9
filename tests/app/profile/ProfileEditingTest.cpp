// The user profile form's work on the document: showing one seller ID at a
// time without losing what was typed, adding and removing seller IDs, and
// when the form may be left and the profile must be saved.

#include <gtest/gtest.h>

#include "app/core/profile/ProfileEditing.h"
#include "itemdb/AucDoc.h"
#include "platform/Clock.h"
#include "tests/support/TempFolder.h"

using namespace gb::itemdb;
using gb::app::NewSellerId;
using gb::app::ProfileEditing;
using gb::app::SellerForm;
using gb::app::SellerRow;

namespace {

constexpr char kUsa[] = "{00000000-0000-0000-0000-000000000001}";
constexpr char kUk[] = "{00000000-0000-0000-0000-000000000002}";

class ProfileEditingTest : public ::testing::Test {
protected:
    void SetUp() override { document.OnNewDocument(); }

    NewSellerId Seller(std::string id, std::string site, std::string clsid, bool fast = true) {
        return {std::move(id), std::move(site), std::move(clsid), "pw", fast};
    }

    const gb::DateTime now = gb::DateTime::FromCivil(2004, 3, 10, 12, 0, 0);
    gb::FixedClock clock{now};
    gb::ScopedClock installed{clock};
    CAucDoc document;
    ProfileEditing editing{document};
};

TEST_F(ProfileEditingTest, AnEmptyListShowsEmptyFields) {
    EXPECT_EQ(editing.Reload(0), SellerForm{});
    EXPECT_EQ(editing.Current(), -1);
    EXPECT_FALSE(editing.CanLeave("Demo"));
}

TEST_F(ProfileEditingTest, AddingASellerKeepsWhatWasTypedForTheShownOne) {
    editing.AddSeller("Demo", {}, Seller("joe", "eBay USA", kUsa));
    const SellerForm typed{"Joe's things", false, 5, ""};
    const int added = editing.AddSeller("Demo", typed, Seller("ann", "eBay UK", kUk));
    EXPECT_EQ(added, 1);
    EXPECT_EQ(editing.Rows(), (std::vector<SellerRow>{{"joe", "eBay USA"}, {"ann", "eBay UK"}}));
    const SellerForm joe = editing.Reload(0);
    EXPECT_EQ(joe.storageFolder, "Joe's things");
    EXPECT_FALSE(joe.active);
    EXPECT_EQ(joe.timeZoneHours, 5);
    EXPECT_EQ(document.GetProfileName(), "Demo");
}

TEST_F(ProfileEditingTest, FastRetrievalAsksForOneDayElseThirtyOne) {
    editing.AddSeller("Demo", {}, Seller("joe", "eBay USA", kUsa, true));
    EXPECT_EQ(document.GetSellerList().GetLastUpdate(), now.AddHours(-24));
    EXPECT_EQ(document.GetSellerList().GetPassword(), "pw");
    editing.AddSeller("Demo", {}, Seller("ann", "eBay USA", kUsa, false));
    EXPECT_EQ(document.GetSellerList().GetLastUpdate(), now.AddHours(-31 * 24));
}

TEST_F(ProfileEditingTest, AddingAKnownSellerSelectsItAndSetsItAgain) {
    editing.AddSeller("Demo", {}, Seller("joe", "eBay USA", kUsa, false));
    NewSellerId again = Seller("JOE", "eBay USA", kUsa, true);
    again.password = "new";
    EXPECT_EQ(editing.AddSeller("Demo", editing.Reload(0), again), 0);
    EXPECT_EQ(document.GetSellerList().GetCount(), 1);
    EXPECT_EQ(document.GetSellerList().GetPassword(), "new");
    EXPECT_EQ(document.GetSellerList().GetLastUpdate(), now.AddHours(-24));
}

TEST_F(ProfileEditingTest, ChoosingWritesTheFormBackFirst) {
    editing.AddSeller("Demo", {}, Seller("joe", "eBay USA", kUsa));
    editing.AddSeller("Demo", editing.Reload(0), Seller("ann", "eBay UK", kUk));
    const SellerForm ann = editing.Choose(0, {"Ann's", true, -30, ""});
    EXPECT_EQ(ann.storageFolder, "joe - USA");
    EXPECT_EQ(editing.Choose(1, ann).storageFolder, "Ann's");
    EXPECT_EQ(editing.Reload(1).timeZoneHours, -23);
}

TEST_F(ProfileEditingTest, RemovingTheLastRowShowsTheOneBefore) {
    editing.AddSeller("Demo", {}, Seller("joe", "eBay USA", kUsa));
    editing.AddSeller("Demo", editing.Reload(0), Seller("ann", "eBay UK", kUk));
    editing.Reload(1);
    EXPECT_EQ(editing.RemoveCurrent(), 0);
    EXPECT_EQ(editing.Reload(0).storageFolder, "joe - USA");
    EXPECT_EQ(editing.RemoveCurrent(), -1);
    EXPECT_EQ(editing.Reload(-1), SellerForm{});
    EXPECT_EQ(document.GetSellerList().GetCount(), 0);
}

TEST_F(ProfileEditingTest, LeavingNeedsANameAndASellerAndSavesOnlyChanges) {
    editing.AddSeller("", {}, Seller("joe", "eBay USA", kUsa));
    EXPECT_FALSE(editing.CanLeave(""));
    EXPECT_TRUE(editing.CanLeave("Demo"));
    const SellerForm shown = editing.Reload(0);
    EXPECT_TRUE(editing.StoreChanges("Demo", shown));
    // The seller's folder is made before the profile is saved.
    EXPECT_NE(document.GetSellerList().GetFolderId(), 0);
    const gb::test::TempFolder folder;
    ASSERT_TRUE(document.OnSaveDocument(folder / "Demo.pro"));
    EXPECT_FALSE(editing.StoreChanges("Demo", editing.Reload(0)));
}

}  // namespace
