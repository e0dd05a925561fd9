#pragma once
// The locales the program reads money and dates under, the user's default
// (pinned to US English by the targets) included.

#include <array>

#include "platform/Locale.h"

namespace gb::fuzz {

inline constexpr std::array<Lcid, 9> kLocales = {
    1033, 1031, 1036, 1043, 2057, 3081, 4105, 5129, kLocaleUserDefault};

}  // namespace gb::fuzz
