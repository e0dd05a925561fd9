#include "app/core/WindowPlacement.h"

#include <array>
#include <string>
#include <string_view>

#include "app/core/AppSettings.h"
#include "platform/Settings.h"

namespace gb::app {

namespace {

using Member = std::int32_t WindowPlacement::*;

struct StoredValue {
    std::string_view name;
    Member member;
};

constexpr std::array kValues{
    StoredValue{"flags", &WindowPlacement::flags},
    StoredValue{"Cmd", &WindowPlacement::showCommand},
    StoredValue{"left", &WindowPlacement::left},
    StoredValue{"top", &WindowPlacement::top},
    StoredValue{"right", &WindowPlacement::right},
    StoredValue{"bottom", &WindowPlacement::bottom},
};

constexpr std::int32_t kMissing = -1;

}  // namespace

std::optional<WindowPlacement> LoadWindowPlacement(const gb::Settings& user,
                                                   const ScreenArea& screen) {
    const std::string key = SectionKey(section::Settings);
    WindowPlacement placement;
    for (const StoredValue& value : kValues) {
        placement.*value.member = static_cast<std::int32_t>(
            user.GetNumber(key, value.name, static_cast<std::uint32_t>(kMissing)));
        if (placement.*value.member == kMissing) {
            return std::nullopt;
        }
    }
    const bool reachable = placement.left < screen.width - screen.iconWidth &&
                           placement.top < screen.height - screen.iconHeight &&
                           placement.right > screen.iconWidth &&
                           placement.bottom > screen.iconHeight;
    if (!reachable) {
        return std::nullopt;
    }
    return placement;
}

bool SaveWindowPlacement(gb::Settings& user, const WindowPlacement& placement) {
    const std::string key = SectionKey(section::Settings);
    for (const StoredValue& value : kValues) {
        if (!user.SetNumber(key, value.name, static_cast<std::uint32_t>(placement.*value.member))) {
            return false;
        }
    }
    return true;
}

}  // namespace gb::app
