#include "app/core/web/WebCommands.h"

#include <algorithm>
#include <array>

namespace gb::app {

std::optional<int> TextSizeForCommand(int id) {
    if (id < web_cmd::FontLargest || id > web_cmd::FontSmallest) {
        return std::nullopt;
    }
    return web_cmd::FontSmallest - id;
}

double ZoomFactorForTextSize(int size) {
    static constexpr std::array<double, 5> kFactors = {0.75, 0.875, 1.0, 1.25, 1.5};
    return kFactors[static_cast<std::size_t>(std::clamp(size, 0, 4))];
}

}  // namespace gb::app
