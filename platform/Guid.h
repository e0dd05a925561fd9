#pragma once
// A 128-bit identifier of a component class, interface or category, in the
// registry string form "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}".

#include <array>
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace gb {

struct Guid {
    std::uint32_t data1 = 0;
    std::uint16_t data2 = 0;
    std::uint16_t data3 = 0;
    std::array<std::uint8_t, 8> data4{};

    // Reads the braced form; hex digits of either case. Nothing else is accepted.
    static constexpr std::optional<Guid> Parse(std::string_view text);

    // For identifiers written in the source: a malformed text does not compile.
    static consteval Guid Literal(std::string_view text) {
        const std::optional<Guid> parsed = Parse(text);
        if (!parsed) {
            throw "malformed identifier";
        }
        return *parsed;
    }

    // The braced form with upper-case digits.
    std::string ToString() const;

    friend constexpr bool operator==(const Guid&, const Guid&) = default;
    friend constexpr auto operator<=>(const Guid&, const Guid&) = default;
};

namespace guid_detail {

constexpr int HexDigit(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    return -1;
}

// Reads `digits` hex digits at `position`; nothing when one is not a digit.
constexpr std::optional<std::uint32_t> ReadHex(std::string_view text, std::size_t position,
                                               std::size_t digits) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < digits; ++i) {
        const int digit = HexDigit(text[position + i]);
        if (digit < 0) {
            return std::nullopt;
        }
        value = value * 16 + static_cast<std::uint32_t>(digit);
    }
    return value;
}

}  // namespace guid_detail

constexpr std::optional<Guid> Guid::Parse(std::string_view text) {
    // {01234567-0123-0123-0123-0123456789AB}
    constexpr std::size_t kLength = 38;
    if (text.size() != kLength || text[0] != '{' || text[kLength - 1] != '}' || text[9] != '-' ||
        text[14] != '-' || text[19] != '-' || text[24] != '-') {
        return std::nullopt;
    }
    using guid_detail::ReadHex;
    const auto first = ReadHex(text, 1, 8);
    const auto second = ReadHex(text, 10, 4);
    const auto third = ReadHex(text, 15, 4);
    if (!first || !second || !third) {
        return std::nullopt;
    }
    Guid guid;
    guid.data1 = *first;
    guid.data2 = static_cast<std::uint16_t>(*second);
    guid.data3 = static_cast<std::uint16_t>(*third);
    // The last two groups hold the eight bytes of data4: two, then six.
    constexpr std::size_t kBytePositions[8] = {20, 22, 25, 27, 29, 31, 33, 35};
    for (std::size_t i = 0; i < 8; ++i) {
        const auto byte = ReadHex(text, kBytePositions[i], 2);
        if (!byte) {
            return std::nullopt;
        }
        guid.data4[i] = static_cast<std::uint8_t>(*byte);
    }
    return guid;
}

}  // namespace gb
