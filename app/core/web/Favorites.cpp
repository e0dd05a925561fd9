#include "app/core/web/Favorites.h"

#include <algorithm>
#include <cstdlib>
#include <system_error>

#include "platform/Cp1252.h"
#include "platform/FileIo.h"
#include "platform/Settings.h"

namespace gb::app {

namespace {

constexpr std::string_view kShellFoldersKey =
    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
constexpr std::string_view kFavoritesValue = "Favorites";
constexpr std::string_view kShortcutSection = "InternetShortcut";
constexpr std::string_view kShortcutKey = "URL";
constexpr std::string_view kShortcutExtension = ".url";
constexpr std::size_t kMaxText = 260;
// A shortcut file is a few lines; anything larger is not one.
constexpr std::uintmax_t kMaxShortcutFile = 64 * 1024;

std::string_view Trim(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos) {
        return {};
    }
    const auto last = text.find_last_not_of(" \t\r");
    return text.substr(first, last - first + 1);
}

bool LessNoCase(const std::string& a, const std::string& b) {
    return gb::cp1252::CompareNoCase(a, b) < 0;
}

// Hidden entries start with a dot on this platform.
bool IsHidden(const std::string& name) {
    return name.empty() || name.front() == '.';
}

struct Shortcut {
    std::string title;
    std::string address;
};

std::string ReadAddress(const std::filesystem::path& file) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(file, error);
    if (error || size > kMaxShortcutFile) {
        return {};
    }
    const std::optional<std::string> text = gb::ReadWholeFile(file);
    return text ? ShortcutAddress(*text) : std::string();
}

void ReadFolder(const std::filesystem::path& folder, FavoritesMenu& menu,
                std::vector<std::string>& addresses) {
    std::vector<Shortcut> shortcuts;
    std::vector<std::filesystem::path> folders;
    std::error_code error;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end;
         it.increment(error)) {
        const std::filesystem::directory_entry& entry = *it;
        const std::string name = gb::cp1252::FromUtf8(entry.path().filename().string());
        std::error_code unreadable;
        if (IsHidden(name) || entry.is_symlink(unreadable)) {
            continue;
        }
        if (entry.is_directory(unreadable)) {
            folders.push_back(entry.path());
        } else if (entry.is_regular_file(unreadable) && name.size() > kShortcutExtension.size() &&
                   name.ends_with(kShortcutExtension)) {
            shortcuts.push_back({name.substr(0, name.size() - kShortcutExtension.size()),
                                 ReadAddress(entry.path())});
        }
    }
    std::stable_sort(shortcuts.begin(), shortcuts.end(), [](const Shortcut& a, const Shortcut& b) {
        return LessNoCase(a.title, b.title);
    });
    menu.firstIndex = addresses.size();
    for (Shortcut& shortcut : shortcuts) {
        menu.titles.push_back(std::move(shortcut.title));
        addresses.push_back(std::move(shortcut.address));
    }
    for (const std::filesystem::path& path : folders) {
        FavoritesMenu subMenu;
        subMenu.name = gb::cp1252::FromUtf8(path.filename().string());
        ReadFolder(path, subMenu, addresses);
        if (!subMenu.titles.empty() || !subMenu.subMenus.empty()) {
            menu.subMenus.push_back(std::move(subMenu));
        }
    }
    std::stable_sort(
        menu.subMenus.begin(), menu.subMenus.end(),
        [](const FavoritesMenu& a, const FavoritesMenu& b) { return LessNoCase(a.name, b.name); });
}

}  // namespace

std::optional<std::filesystem::path> FavoritesFolder(const gb::Settings& user) {
    if (!user.KeyExists(kShellFoldersKey)) {
        return std::nullopt;
    }
    std::string folder = user.GetString(kShellFoldersKey, kFavoritesValue);
    folder = ExpandEnvironment(folder.substr(0, std::min(folder.size(), kMaxText)));
    return std::filesystem::path(gb::cp1252::ToUtf8(folder));
}

Favorites ReadFavorites(const std::filesystem::path& folder) {
    Favorites favorites;
    ReadFolder(folder, favorites.menu, favorites.addresses);
    return favorites;
}

std::string ShortcutAddress(std::string_view fileText) {
    bool inSection = false;
    while (!fileText.empty()) {
        const std::size_t end = std::min(fileText.find('\n'), fileText.size());
        const std::string_view line = Trim(fileText.substr(0, end));
        fileText.remove_prefix(std::min(end + 1, fileText.size()));
        if (line.starts_with('[')) {
            const std::size_t close = line.find(']');
            inSection = close != std::string_view::npos &&
                        gb::cp1252::EqualsNoCase(Trim(line.substr(1, close - 1)), kShortcutSection);
            continue;
        }
        const std::size_t equals = line.find('=');
        if (inSection && equals != std::string_view::npos &&
            gb::cp1252::EqualsNoCase(Trim(line.substr(0, equals)), kShortcutKey)) {
            const std::string_view value = Trim(line.substr(equals + 1));
            return std::string(value.substr(0, std::min(value.size(), kMaxText)));
        }
    }
    return {};
}

std::string ExpandEnvironment(std::string_view text) {
    std::string expanded;
    while (!text.empty()) {
        const std::size_t open = text.find('%');
        const std::size_t close = open == std::string_view::npos ? open : text.find('%', open + 1);
        if (close == std::string_view::npos) {
            expanded += text;
            break;
        }
        expanded += text.substr(0, open);
        const std::string name(text.substr(open + 1, close - open - 1));
        const char* value = name.empty() ? nullptr : std::getenv(name.c_str());
        if (value != nullptr) {
            expanded += gb::cp1252::FromUtf8(value);
            text.remove_prefix(close + 1);
        } else {
            // Not a variable: the first '%' stays, the second may open one.
            expanded += text.substr(open, close - open);
            text.remove_prefix(close);
        }
    }
    return expanded;
}

}  // namespace gb::app
