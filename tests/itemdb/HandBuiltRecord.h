#pragma once
// Archive bytes assembled by hand, independently of the production writer, so
// that tests can check the exact layout of stored records.

#include <bit>
#include <cstdint>
#include <string>
#include <string_view>

class HandBuiltRecord {
public:
    HandBuiltRecord& Byte(std::uint8_t value) {
        bytes_ += static_cast<char>(value);
        return *this;
    }
    HandBuiltRecord& Int32(std::int32_t value) {
        return LittleEndian(static_cast<std::uint32_t>(value), 4);
    }
    // Short texts only: a length byte, then the characters.
    HandBuiltRecord& Text(std::string_view text) {
        Byte(static_cast<std::uint8_t>(text.size()));
        bytes_ += text;
        return *this;
    }
    HandBuiltRecord& Date(std::int32_t status, double days) {
        Int32(status);
        return LittleEndian(std::bit_cast<std::uint64_t>(days), 8);
    }
    HandBuiltRecord& NullDate() { return Date(2, 0.0); }
    HandBuiltRecord& Money(std::int32_t status, std::int64_t units) {
        Int32(status);
        Int32(static_cast<std::int32_t>(units >> 32));
        return LittleEndian(static_cast<std::uint32_t>(units), 4);
    }
    HandBuiltRecord& Amount(std::int64_t units) { return Money(0, units); }
    HandBuiltRecord& NullMoney() { return Money(2, 0); }

    const std::string& Bytes() const { return bytes_; }

private:
    HandBuiltRecord& LittleEndian(std::uint64_t value, int size) {
        for (int i = 0; i < size; ++i) {
            Byte(static_cast<std::uint8_t>(value >> (8 * i)));
        }
        return *this;
    }

    std::string bytes_;
};
