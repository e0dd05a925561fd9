#pragma once
// A fixed number of texts kept in one heap block: the end offset of each text,
// then their bytes. An item keeps its texts this way, so that they cost one
// allocation and a pointer instead of a string object per field: most fields
// of most items are empty, and when all are, there is no block at all.
//
// A view that Get returns stays valid until a text of this object changes.

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <stdexcept>
#include <string_view>

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
        const std::uint32_t begin = index == 0 ? 0 : EndOf(index - 1);
        return {Bytes() + begin, EndOf(index) - begin};
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
        // The new block is complete before the old one goes.
        auto block = std::make_unique_for_overwrite<char[]>(kHeader + total);
        std::uint32_t end = 0;
        for (std::size_t i = 0; i < N; ++i) {
            if (!texts[i].empty()) {
                std::memcpy(block.get() + kHeader + end, texts[i].data(), texts[i].size());
            }
            end += static_cast<std::uint32_t>(texts[i].size());
            std::memcpy(block.get() + i * sizeof end, &end, sizeof end);
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
    static constexpr std::size_t kHeader = N * sizeof(std::uint32_t);

    std::uint32_t EndOf(std::size_t index) const {
        std::uint32_t end = 0;
        std::memcpy(&end, block_.get() + index * sizeof end, sizeof end);
        return end;
    }
    const char* Bytes() const { return block_.get() + kHeader; }

    std::unique_ptr<char[]> block_;
};

}  // namespace gb::itemdb
