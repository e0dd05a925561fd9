#pragma once
// The main window's placement as stored under "Settings": flags, the show
// command and the normal position's edges.

#include <cstdint>
#include <optional>

namespace gb {
class Settings;
}

namespace gb::app {

struct WindowPlacement {
    // Show commands.
    static constexpr std::int32_t kShowNormal = 1;
    static constexpr std::int32_t kShowMinimized = 2;
    static constexpr std::int32_t kShowMaximized = 3;
    // Flag: a minimised window comes back maximised.
    static constexpr std::int32_t kRestoreToMaximized = 2;

    std::int32_t flags = 0;
    std::int32_t showCommand = kShowNormal;
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    bool operator==(const WindowPlacement&) const = default;
};

// The screen the placement must reach onto, and the size of an icon on it.
struct ScreenArea {
    int width = 0;
    int height = 0;
    int iconWidth = 32;
    int iconHeight = 32;
};

// The stored placement, when every value is there and the window would be
// reachable on the screen; nothing otherwise.
std::optional<WindowPlacement> LoadWindowPlacement(const gb::Settings& user,
                                                   const ScreenArea& screen);

// Writes the values in order and stops at the first that cannot be written.
bool SaveWindowPlacement(gb::Settings& user, const WindowPlacement& placement);

}  // namespace gb::app
