#pragma once
// A zero-terminated text in a fixed-size byte field of a raw record. The field
// is kept byte for byte, so a record read from a file is written back
// unchanged; storing a text cuts it to fit and clears the bytes after it.

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace gb::itemdb {

template <std::size_t Size>
class FixedText {
public:
    static_assert(Size > 0);
    // The longest text the field holds, leaving room for the terminator.
    static constexpr std::size_t kMaxLength = Size - 1;

    // The text up to the terminator.
    std::string Get() const { return std::string(bytes_.data(), Length()); }

    // Stores the text's first kMaxLength bytes (and no further than an
    // embedded zero); every byte after them becomes 0.
    void Set(std::string_view text) {
        const std::size_t length = std::min(text.size(), kMaxLength);
        bytes_.fill('\0');
        std::copy_n(text.data(), length, bytes_.begin());
    }

    bool IsEmpty() const { return bytes_[0] == '\0'; }
    // Whether the field holds a terminator at all; a field read from a file
    // may not.
    bool IsTerminated() const {
        return std::find(bytes_.begin(), bytes_.end(), '\0') != bytes_.end();
    }

    // The raw field.
    const std::array<char, Size>& Bytes() const { return bytes_; }
    std::array<char, Size>& Bytes() { return bytes_; }

    bool operator==(const FixedText&) const = default;

private:
    std::size_t Length() const {
        return static_cast<std::size_t>(std::find(bytes_.begin(), bytes_.end(), '\0') -
                                        bytes_.begin());
    }

    std::array<char, Size> bytes_{};
};

}  // namespace gb::itemdb
