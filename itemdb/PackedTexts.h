#pragma once
// A fixed number of texts kept in one block of the bulk pool: the end offset
// of each text, then their bytes. An item keeps its texts this way, so that
// they cost one allocation and a pointer instead of a string object per field:
// most fields of most items are empty, and when all are, there is no block.
//
// A view that Get returns stays valid until a text of this object changes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

#include "platform/BulkMemory.h"

namespace gb::itemdb {

template <std::size_t N>
class PackedTexts {
public:
    using Texts = std::array<std::string_view, N>;

    PackedTexts() = default;
    PackedTexts(const PackedTexts& other) { Assign(other.All()); }
    PackedTexts& operator=(const PackedTexts& other) {
        if (this != &other) {
            Assign(other.All());
        }
        return *this;
    }
    PackedTexts(PackedTexts&&) noexcept = default;
    PackedTexts& operator=(PackedTexts&&) noexcept = default;
    ~PackedTexts() = default;

    std::string_view Get(std::size_t index) const {
        if (!block_) {
            return {};
        }
        const char* block = block_.get();
        const std::size_t begin = index == 0 ? 0 : EndOf(block, index - 1);
        return {block + HeaderSize(block) + begin, EndOf(block, index) - begin};
    }

    Texts All() const {
        Texts texts{};
        for (std::size_t i = 0; i < N; ++i) {
            texts[i] = Get(i);
        }
        return texts;
    }

    // Replaces every text; the texts may view this object's own.
    void Assign(const Texts& texts) {
        std::uint64_t total = 0;
        for (const std::string_view text : texts) {
            total += text.size();
        }
        if (total == 0) {
            block_.reset();
            return;
        }
        if (total > UINT32_MAX) {
            throw std::length_error("the texts of one record are too long");
        }
        const bool wide = total >= kWideMark;
        const std::size_t header = wide ? kWideHeader : kNarrowHeader;
        // The new block is complete before the old one goes.
        Block block(static_cast<char*>(gb::BulkMemory()->allocate(header + total, kAlignment)));
        if (wide) {
            std::memcpy(block.get(), &kWideMark, sizeof kWideMark);
        }
        std::size_t end = 0;
        for (std::size_t i = 0; i < N; ++i) {
            if (!texts[i].empty()) {
                std::memcpy(block.get() + header + end, texts[i].data(), texts[i].size());
            }
            end += texts[i].size();
            if (wide) {
                const auto wideEnd = static_cast<std::uint32_t>(end);
                std::memcpy(block.get() + sizeof(std::uint32_t) * (i + 1), &wideEnd,
                            sizeof wideEnd);
            } else {
                const auto narrowEnd = static_cast<std::uint16_t>(end);
                std::memcpy(block.get() + sizeof(std::uint16_t) * i, &narrowEnd, sizeof narrowEnd);
            }
        }
        block_ = std::move(block);
    }

    // Replaces one text; it may view this object's own.
    void Set(std::size_t index, std::string_view text) {
        Texts texts = All();
        texts[index] = text;
        Assign(texts);
    }

    bool operator==(const PackedTexts& other) const { return All() == other.All(); }

private:
    // Ends are 16-bit while the texts take fewer than 65535 bytes in all, as
    // they nearly always do. Otherwise the block starts with this mark, a
    // 16-bit filler, and 32-bit ends.
    static constexpr std::uint16_t kWideMark = 0xFFFF;
    static constexpr std::size_t kNarrowHeader = N * sizeof(std::uint16_t);
    static constexpr std::size_t kWideHeader = (N + 1) * sizeof(std::uint32_t);
    static constexpr std::size_t kAlignment = alignof(std::uint32_t);

    static bool IsWide(const char* block) {
        std::uint16_t first = 0;
        std::memcpy(&first, block, sizeof first);
        return first == kWideMark;
    }
    static std::size_t HeaderSize(const char* block) {
        return IsWide(block) ? kWideHeader : kNarrowHeader;
    }
    static std::size_t EndOf(const char* block, std::size_t index) {
        if (IsWide(block)) {
            std::uint32_t end = 0;
            std::memcpy(&end, block + sizeof end * (index + 1), sizeof end);
            return end;
        }
        std::uint16_t end = 0;
        std::memcpy(&end, block + sizeof end * index, sizeof end);
        return end;
    }

    // Gives a block back to the pool; its size follows from its own header.
    struct Release {
        void operator()(char* block) const {
            gb::BulkMemory()->deallocate(block, HeaderSize(block) + EndOf(block, N - 1),
                                         kAlignment);
        }
    };
    using Block = std::unique_ptr<char, Release>;

    Block block_;
};

}  // namespace gb::itemdb
