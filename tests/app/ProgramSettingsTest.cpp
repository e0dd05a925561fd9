// The recently used profiles, the machine's drop-down lists and the width of
// the folder tree.

#include <gtest/gtest.h>

#include "app/core/AppSettings.h"
#include "app/core/MachineProfile.h"
#include "app/core/MainViewLayout.h"
#include "app/core/RecentFileList.h"
#include "itemdb/FieldId.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

using gb::test::TempFolder;

using namespace gb::itemdb;

namespace {

using Paths = std::vector<std::filesystem::path>;

TEST(RecentFileListTest, KeepsFourNewestFirstWithoutDuplicates) {
    gb::app::RecentFileList recent;
    for (const char* path : {"/a.pro", "/b.pro", "/c.pro", "/d.pro", "/b.pro", "/e.pro"}) {
        recent.Add(path);
    }
    EXPECT_EQ(recent.Entries(), (Paths{"/e.pro", "/b.pro", "/d.pro", "/c.pro"}));
}

TEST(RecentFileListTest, SurvivesSavingAndLoading) {
    TempFolder folder;
    gb::Settings user(folder / "user.settings");
    gb::app::RecentFileList saved;
    saved.Add("/a.pro");
    saved.Add("/b & c.pro");
    ASSERT_TRUE(saved.Save(user));

    gb::app::RecentFileList loaded;
    loaded.Load(user);
    EXPECT_EQ(loaded.Entries(), (Paths{"/b & c.pro", "/a.pro"}));
    EXPECT_EQ(loaded.MenuText(0), "&1 /b && c.pro");

    loaded.Remove(0);
    ASSERT_TRUE(loaded.Save(user));
    EXPECT_EQ(user.GetString(gb::app::SectionKey("Recent File List"), "File2"), "");
}

// Paths are the file system's bytes (UTF-8): the menu shows their letters,
// the settings file holds them as written, and entries written the earlier
// way (the bytes taken as 1252 letters) and names 1252 cannot hold still load.
TEST(RecentFileListTest, KeepsPathsBeyondAsciiAsTheFileSystemWritesThem) {
    TempFolder folder;
    gb::Settings user(folder / "user.settings");
    const std::filesystem::path accented = "/p/Curiosit\xC3\xA9s \xC3\xBCnd Co.pro";
    const std::filesystem::path cyrillic = "/p/\xD0\x97\xD0\xB0\xD0\xBC.pro";
    gb::app::RecentFileList saved;
    saved.Add(cyrillic);
    saved.Add(accented);
    ASSERT_TRUE(saved.Save(user));
    EXPECT_NE(gb::ReadWholeFile(user.File()).value_or("").find("=text:" + accented.string() + "\n"),
              std::string::npos);

    gb::app::RecentFileList loaded;
    loaded.Load(user);
    EXPECT_EQ(loaded.Entries(), (Paths{accented, cyrillic}));
    EXPECT_EQ(loaded.MenuText(0), "&1 /p/Curiosit\xE9s \xFCnd Co.pro");  // 1252 letters
    EXPECT_EQ(loaded.MenuText(1), "&2 /p/???.pro");

    // As earlier versions stored it: the bytes as they were.
    ASSERT_TRUE(
        user.SetString(gb::app::SectionKey("Recent File List"), "File1", accented.string()));
    loaded.Load(user);
    EXPECT_EQ(loaded.Entries(), (Paths{accented, cyrillic}));
}

class MachineProfileTest : public ::testing::Test {
protected:
    void StoreCombo(std::string_view text) {
        ASSERT_TRUE(profile.WriteString("Combos", "Shipping Method", text));
    }
    std::vector<std::string> Combo() const { return profile.GetComboValues(field::ShippingMethod); }

    TempFolder folder;
    gb::Settings machine{folder / "machine.settings"};
    gb::app::MachineProfile profile{machine};
};

TEST_F(MachineProfileTest, SplitsTheListAtEverySeparator) {
    StoreCombo("Priority;Ground;;Express");
    EXPECT_EQ(Combo(), (std::vector<std::string>{"Priority", "Ground", "Express"}));
}

TEST_F(MachineProfileTest, AMissingListOrALoneSeparatorIsEmpty) {
    EXPECT_TRUE(Combo().empty());
    StoreCombo(";");
    EXPECT_TRUE(Combo().empty());
}

TEST_F(MachineProfileTest, AnEmptiedListStoredAsZeroIsEmpty) {
    ASSERT_TRUE(profile.WriteValue("Combos", "Shipping Method", 0));
    EXPECT_TRUE(Combo().empty());
}

TEST_F(MachineProfileTest, ALongListIsReadWhole) {
    std::string stored;
    std::vector<std::string> expected;
    for (int i = 0; i < 30; ++i) {
        expected.push_back("Carrier number " + std::to_string(i));
        stored += expected.back() + ";";
    }
    ASSERT_GT(stored.size(), 150u);
    StoreCombo(stored);
    EXPECT_EQ(Combo(), expected);
}

TEST_F(MachineProfileTest, MissingValuesGiveTheFallback) {
    EXPECT_EQ(profile.GetString("Nowhere", "Nothing", "fallback"), "fallback");
    EXPECT_EQ(profile.GetString("Nowhere", "Nothing"), "");
}

struct WidthCase {
    int stored;
    int view;
    int labels;
    int expected;
};

void PrintTo(const WidthCase& c, std::ostream* os) {
    *os << "stored " << c.stored << " view " << c.view;
}

class TreeColumnWidthTest : public ::testing::TestWithParam<WidthCase> {};

TEST_P(TreeColumnWidthTest, FollowsTheStoredWidthWithinBounds) {
    EXPECT_EQ(gb::app::TreeColumnWidth(GetParam().stored, GetParam().view, GetParam().labels),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Widths, TreeColumnWidthTest,
                         ::testing::Values(WidthCase{0, 900, 100, 150},  // nothing stored: a sixth
                                           WidthCase{0, 900, 220, 220},  // or what labels need
                                           WidthCase{0, 900, 600, 450},  // up to half the view
                                           WidthCase{250, 900, 600, 250},  // stored width kept
                                           WidthCase{60, 900, 0, 150},     // a fifteenth or less
                                           WidthCase{61, 900, 600, 61},    // just above a fifteenth
                                           WidthCase{899, 900, 0, 840},    // capped at 14/15
                                           WidthCase{-20, 900, 0, 150}));  // nonsense stored

}  // namespace
