// The main window's menus as data: every entry is a command the catalogue
// knows, so that each menu item has its text and hint.

#include "app/core/MenuLayout.h"

#include <gtest/gtest.h>

#include <set>

#include "app/core/CommandCatalog.h"

namespace {

TEST(MenuLayoutTest, EveryCommandOfTheMenusHasItsTextAndAppearsOnce) {
    std::set<int> seen;
    for (const gb::app::MenuLayout& menu : gb::app::MainMenus()) {
        ASSERT_FALSE(menu.entries.empty()) << menu.title;
        for (int id : menu.entries) {
            if (id == gb::app::kMenuSeparator || id == gb::app::kMenuRecentProfiles) {
                continue;
            }
            EXPECT_NE(gb::app::FindCommandText(id), nullptr) << menu.title << " " << id;
            EXPECT_TRUE(seen.insert(id).second) << menu.title << " " << id;
        }
    }
}

}  // namespace
