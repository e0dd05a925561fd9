#include "app/core/sheet/SheetTitle.h"

namespace gb::app {

namespace {
constexpr std::size_t kShortLength = 45;
constexpr std::size_t kLastBlank = 60;
}  // namespace

std::string SheetTitle(std::string_view description, std::string_view auctionId) {
    std::string_view shown = description;
    if (shown.size() > kShortLength) {
        const std::size_t blank = shown.find(' ', kShortLength);
        shown = shown.substr(0, blank <= kLastBlank ? blank : kShortLength);
    }
    std::string title(shown);
    title += " [";
    title += auctionId;
    title += "]";
    return title;
}

}  // namespace gb::app
