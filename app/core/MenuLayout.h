#pragma once
// The main window's menus as data, beside the toolbar's: each menu's title
// and its entries in order.

#include <span>
#include <string_view>

namespace gb::app {

// Entries besides command IDs.
inline constexpr int kMenuSeparator = 0;
// Where the recently used profiles go, with a separator after them while
// there are any.
inline constexpr int kMenuRecentProfiles = -1;

struct MenuLayout {
    std::string_view title;  // with its '&' mnemonic
    std::span<const int> entries;
};

std::span<const MenuLayout> MainMenus();

}  // namespace gb::app
