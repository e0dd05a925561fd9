#pragma once
// The web view's commands beyond the toolbar buttons of CommandIds.h, and the
// text sizes of the "Fonts" drop-down.

#include <optional>

namespace gb::app {

namespace web_cmd {
// Go: navigate to the address box's text.
inline constexpr int Go = 32802;
// Entry n of the frame's favourite addresses is command FavoriteFirst + n.
inline constexpr int FavoriteFirst = 3584;
inline constexpr int FavoriteLast = 4095;
// "Lar&gest" to "S&mallest".
inline constexpr int FontLargest = 32837;
inline constexpr int FontLarge = 32838;
inline constexpr int FontNormal = 32839;
inline constexpr int FontSmall = 32840;
inline constexpr int FontSmallest = 32841;
}  // namespace web_cmd

// Text sizes 0 (smallest) to 4 (largest); the view starts at normal.
inline constexpr int kNormalTextSize = 2;

// The text size a "Fonts" command asks for.
std::optional<int> TextSizeForCommand(int id);
// How much a text size magnifies the page.
double ZoomFactorForTextSize(int size);

}  // namespace gb::app
