// The favourites drop-down read from a folder of internet shortcuts.

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "app/core/web/Favorites.h"
#include "platform/Settings.h"
#include "tests/support/TempFolder.h"

namespace {

using gb::app::ReadFavorites;
using gb::app::ShortcutAddress;

void WriteShortcut(const std::filesystem::path& file, const std::string& address) {
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file) << "[InternetShortcut]\r\nURL=" << address << "\r\n";
}

TEST(FavoritesTest, FoldersComeFirstAndShortcutsAreNumberedDepthFirst) {
    const gb::test::TempFolder folder;
    WriteShortcut(folder / "beta.url", "http://beta/");
    WriteShortcut(folder / "Alpha.url", "http://alpha/");
    WriteShortcut(folder / "Zoo" / "Lion.url", "http://lion/");
    WriteShortcut(folder / "auctions" / "Inner" / "Deep.url", "http://deep/");
    WriteShortcut(folder / "auctions" / "Shop.url", "http://shop/");
    std::filesystem::create_directories(folder / "Empty" / "AlsoEmpty");
    WriteShortcut(folder / "Upper.URL", "http://upper/");  // not a shortcut: exact case
    WriteShortcut(folder / ".hidden.url", "http://hidden/");
    std::ofstream(folder / "notes.txt") << "x";

    const gb::app::Favorites favorites = ReadFavorites(folder.Path());
    const gb::app::FavoritesMenu& top = favorites.menu;
    EXPECT_EQ(top.titles, (std::vector<std::string>{"Alpha", "beta"}));
    EXPECT_EQ(top.firstIndex, 0u);
    ASSERT_EQ(top.subMenus.size(), 2u);
    EXPECT_EQ(top.subMenus[0].name, "auctions");
    EXPECT_EQ(top.subMenus[1].name, "Zoo");
    // The top folder's shortcuts first, then each sub-folder's, its own before
    // its sub-folders'.
    EXPECT_EQ(top.subMenus[0].titles, std::vector<std::string>{"Shop"});
    EXPECT_EQ(top.subMenus[0].subMenus.at(0).titles, std::vector<std::string>{"Deep"});
    const std::size_t lion = top.subMenus[1].firstIndex;
    const std::size_t deep = top.subMenus[0].subMenus[0].firstIndex;
    EXPECT_EQ(favorites.addresses.at(top.subMenus[0].firstIndex), "http://shop/");
    EXPECT_EQ(favorites.addresses.at(deep), "http://deep/");
    EXPECT_EQ(favorites.addresses.at(lion), "http://lion/");
    EXPECT_EQ(favorites.addresses.size(), 5u);
    EXPECT_EQ(favorites.addresses[0], "http://alpha/");
}

TEST(FavoritesTest, AMissingFolderGivesAnEmptyMenu) {
    const gb::test::TempFolder folder;
    const gb::app::Favorites favorites = ReadFavorites(folder / "missing");
    EXPECT_TRUE(favorites.menu.titles.empty());
    EXPECT_TRUE(favorites.menu.subMenus.empty());
}

TEST(FavoritesTest, TheAddressComesFromItsSectionOnly) {
    const struct {
        const char* text;
        const char* address;
    } cases[] = {
        {"[InternetShortcut]\nURL=http://a/\n", "http://a/"},
        {"[other]\nURL=http://wrong/\n[internetshortcut]\r\n url = http://b/ \r\n", "http://b/"},
        {"URL=http://outside/\n", ""},
        {"[InternetShortcut]\nIconIndex=0\n", ""},
        {"[InternetShortcut", ""},
        {"", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ShortcutAddress(c.text), c.address) << c.text;
    }
    const std::string longAddress = "[InternetShortcut]\nURL=" + std::string(400, 'x');
    EXPECT_EQ(ShortcutAddress(longAddress).size(), 260u);
}

TEST(FavoritesTest, TheFolderSettingIsExpandedAndItsAbsenceGivesNoMenu) {
    const gb::test::TempFolder folder;
    gb::Settings user(folder / "user.settings");
    EXPECT_FALSE(gb::app::FavoritesFolder(user));
    ::setenv("GB_FAVOURITES_TEST_HOME", "/home/seller", 1);
    ASSERT_TRUE(
        user.SetString("Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders",
                       "Favorites", "%GB_FAVOURITES_TEST_HOME%/Favorites%%NOT_SET_ANYWHERE%"));
    EXPECT_EQ(gb::app::FavoritesFolder(user),
              std::filesystem::path("/home/seller/Favorites%%NOT_SET_ANYWHERE%"));
}

}  // namespace
