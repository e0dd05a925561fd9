#pragma once
// One stored setting: a text or a 32-bit number.

#include <cstdint>
#include <string>
#include <utility>

namespace gb {

struct SettingsValue {
    enum class Type { Text, Number };

    Type type = Type::Text;
    std::string text;
    std::uint32_t number = 0;

    static SettingsValue Text(std::string value) { return {Type::Text, std::move(value), 0}; }
    static SettingsValue Number(std::uint32_t value) { return {Type::Number, {}, value}; }

    friend bool operator==(const SettingsValue&, const SettingsValue&) = default;
};

}  // namespace gb
