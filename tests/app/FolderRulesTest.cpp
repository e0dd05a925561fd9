// The folder tree's images, context-menu greying and label rules.

#include <gtest/gtest.h>

#include "app/core/CommandIds.h"
#include "app/core/FolderImages.h"
#include "app/core/FolderRules.h"

namespace {

struct ImageCase {
    int type;
    bool heading;
    int image;
};

void PrintTo(const ImageCase& c, std::ostream* os) {
    *os << "type " << c.type << (c.heading ? " heading" : " list");
}

class FolderImageTest : public ::testing::TestWithParam<ImageCase> {};

TEST_P(FolderImageTest, EachTypeHasItsImage) {
    EXPECT_EQ(gb::app::FolderImage(GetParam().type, GetParam().heading), GetParam().image);
}

INSTANTIATE_TEST_SUITE_P(Types, FolderImageTest,
                         ::testing::Values(ImageCase{100, true, 1}, ImageCase{100, false, 1},
                                           ImageCase{108, false, 11}, ImageCase{108, true, 3},
                                           ImageCase{110, false, 5}, ImageCase{110, true, 9},
                                           ImageCase{118, false, 13}, ImageCase{119, false, 15},
                                           ImageCase{119, true, 3}, ImageCase{101, true, 3},
                                           ImageCase{103, false, 5}, ImageCase{104, false, 5}));

TEST(FolderImageTest, TheOpenFormFollowsTheClosedOne) {
    EXPECT_EQ(gb::app::OpenImage(5), 6);
    EXPECT_EQ(gb::app::OpenImage(6), 6);
}

struct MenuCase {
    gb::app::FolderTraits folder;
    std::set<int> grayed;
};

void PrintTo(const MenuCase& c, std::ostream* os) {
    *os << "folder " << c.folder.id << " type " << c.folder.type
        << (c.folder.heading ? " heading" : "") << (c.folder.fixed ? " fixed" : "");
}

class FolderMenuTest : public ::testing::TestWithParam<MenuCase> {};

TEST_P(FolderMenuTest, GreysWhatTheFolderDoesNotAllow) {
    EXPECT_EQ(gb::app::GrayedFolderCommands(GetParam().folder), GetParam().grayed);
}

constexpr int New = gb::app::cmd::FolderNew;
constexpr int Add = gb::app::cmd::FolderAdd;
constexpr int Edit = gb::app::cmd::FolderEdit;
constexpr int Delete = gb::app::cmd::FolderDelete;
constexpr int Rename = gb::app::cmd::FolderRename;

INSTANTIATE_TEST_SUITE_P(
    Folders, FolderMenuTest,
    ::testing::Values(
        MenuCase{{100, 100, true, true}, {New, Add, Edit, Delete, Rename}},   // root
        MenuCase{{151, 101, true, false}, {New, Add, Edit}},                  // a seller
        MenuCase{{111, 102, false, true}, {New, Add, Delete, Rename}},        // its All Items
        MenuCase{{151, 104, false, false}, {Add}},                            // a status
        MenuCase{{152, 105, false, false}, {}},                               // a category
        MenuCase{{105, 105, true, true}, {Edit, Delete, Rename}},             // By Category
        MenuCase{{118, 106, false, true}, {Delete, Rename}},                  // Search Results
        MenuCase{{108, 108, true, true}, {Edit, Delete, Rename}},             // Web Sites
        MenuCase{{160, 108, false, false}, {}},                               // a web site
        MenuCase{{114, 119, false, true}, {New, Add, Edit, Delete, Rename}},  // a guide page
        MenuCase{{110, 110, true, true}, {New, Add, Edit, Delete, Rename}},
        MenuCase{{155, 102, true, true}, {New, Add, Edit, Delete, Rename}},  // Auction Ended
        MenuCase{{158, 103, false, true}, {New, Add, Delete, Rename}},       // its Bids
        MenuCase{{112, 107, false, true}, {New, Add, Delete, Rename}},       // archived Bids
        MenuCase{{170, 106, false, false}, {}},                              // a report
        MenuCase{{171, 106, true, false}, {Edit}}));                         // a report folder

TEST(FolderLabelTest, OnlyFoldersTheUserMadeAreRenamedByCommand) {
    EXPECT_FALSE(gb::app::CanRename(100));
    EXPECT_FALSE(gb::app::CanRename(150));
    EXPECT_TRUE(gb::app::CanRename(151));
}

TEST(FolderLabelTest, FixedFoldersRefuseLabelEditing) {
    EXPECT_TRUE(gb::app::CanEditLabel(true, false));
    EXPECT_FALSE(gb::app::CanEditLabel(true, true));
    EXPECT_FALSE(gb::app::CanEditLabel(false, false));
}

TEST(FolderLabelTest, ACancelledOrEmptyEditKeepsTheName) {
    EXPECT_FALSE(gb::app::AcceptedLabel(std::nullopt));
    EXPECT_FALSE(gb::app::AcceptedLabel(""));
    EXPECT_EQ(gb::app::AcceptedLabel("Paid"), "Paid");
    EXPECT_EQ(gb::app::AcceptedLabel(std::string(80, 'x'))->size(), gb::app::kMaxFolderName);
}

}  // namespace
