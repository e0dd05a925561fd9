#pragma once
// The favourites drop-down: the user's favourites folder as a menu, each
// internet shortcut (a ".url" file) an entry under its name, each sub-folder
// that holds shortcuts a sub-menu. Sub-menus come first, then the shortcuts,
// each sorted by name without regard to case; the shortcuts are numbered
// depth-first, a folder's own before those of its sub-folders.

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app {

struct FavoritesMenu {
    std::string name;  // a sub-menu's folder name; empty for the top menu
    std::vector<FavoritesMenu> subMenus;
    std::vector<std::string> titles;  // entry k has number firstIndex + k
    std::size_t firstIndex = 0;
};

struct Favorites {
    FavoritesMenu menu;
    // Entry n: the address of the shortcut numbered n.
    std::vector<std::string> addresses;
};

// The favourites folder the current user's settings name, environment
// variables expanded; nothing when the settings do not have its key.
std::optional<std::filesystem::path> FavoritesFolder(const gb::Settings& user);

// Reads `folder` and its sub-folders. A folder that cannot be read gives an
// empty menu; linked folders are not followed.
Favorites ReadFavorites(const std::filesystem::path& folder);

// The "URL" of a shortcut file's "InternetShortcut" section, at most 260
// characters; empty when it has none.
std::string ShortcutAddress(std::string_view fileText);

// Replaces each %NAME% with the environment variable's value; a name that
// is not set stays as it is.
std::string ExpandEnvironment(std::string_view text);

}  // namespace gb::app
