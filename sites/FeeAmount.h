#pragma once
// Fee amounts written as decimal texts ("2.50", "1.575") and turned into exact
// ten-thousandths at compile time, so the schedules read like the sites' own.

#include <cstdint>
#include <string_view>

#include "platform/Money.h"

namespace gb::sites {

// A non-negative amount with at most four decimals; anything else does not compile.
consteval Money FeeAmount(std::string_view text) {
    std::int64_t units = 0;
    int digits = 0;
    int decimals = -1;
    for (const char c : text) {
        if (c == '.' && decimals < 0) {
            decimals = 0;
        } else if (c >= '0' && c <= '9' && decimals < 4) {
            units = units * 10 + (c - '0');
            ++digits;
            if (decimals >= 0) {
                ++decimals;
            }
        } else {
            throw "not a fee amount";
        }
    }
    if (digits == 0) {
        throw "not a fee amount";
    }
    for (int scale = decimals < 0 ? 0 : decimals; scale < 4; ++scale) {
        units *= 10;
    }
    return Money::FromUnits(units);
}

}  // namespace gb::sites
