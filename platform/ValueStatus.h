#pragma once

#include <cstdint>

namespace gb {

// Validity of a money or date value, stored as an int32 beside the value.
enum class ValueStatus : std::int32_t {
    Valid = 0,
    Invalid = 1,
    Null = 2,
};

}  // namespace gb
