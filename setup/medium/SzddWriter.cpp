#include "setup/medium/SzddWriter.h"

#include <array>
#include <cstdint>
#include <stdexcept>
#include <vector>

namespace gb::setup {

namespace {

constexpr std::size_t kWindow = 4096;
constexpr std::size_t kStart = kWindow - 16;  // where the decoder writes its first byte
constexpr std::size_t kMinMatch = 3;
constexpr std::size_t kMaxMatch = 18;
// Far enough back that a match never reads a window byte it has overwritten.
constexpr std::size_t kMaxDistance = kWindow - kMaxMatch;
constexpr int kChainDepth = 48;
constexpr std::size_t kHashSize = 1 << 15;

std::size_t HashAt(std::string_view data, std::size_t i) {
    const auto byte = [&](std::size_t k) {
        return static_cast<std::uint32_t>(static_cast<unsigned char>(data[i + k]));
    };
    return ((byte(0) << 10) ^ (byte(1) << 5) ^ byte(2)) & (kHashSize - 1);
}

// Groups of eight items behind a flag byte: bit set for a literal byte, clear
// for a two-byte window reference.
class GroupWriter {
public:
    explicit GroupWriter(std::string& out) : out_(out) {}
    void Literal(char byte) {
        Begin();
        out_[flagAt_] = static_cast<char>(out_[flagAt_] | (1 << count_));
        out_ += byte;
        ++count_;
    }
    void Match(std::size_t windowPosition, std::size_t length) {
        Begin();
        out_ += static_cast<char>(windowPosition & 0xFF);
        out_ += static_cast<char>(((windowPosition >> 4) & 0xF0) | (length - kMinMatch));
        ++count_;
    }

private:
    void Begin() {
        if (count_ == 8) {
            flagAt_ = out_.size();
            out_ += '\0';
            count_ = 0;
        }
    }
    std::string& out_;
    std::size_t flagAt_ = 0;
    int count_ = 8;
};

}  // namespace

std::string CompressSzdd(std::string_view data, char missingChar) {
    if (data.size() > 0xFFFFFFFFu) {
        throw std::length_error("too large for the compressed format");
    }
    std::string out("SZDD\x88\xF0\x27\x33", 8);
    out += 'A';
    out += missingChar;
    for (int shift = 0; shift < 32; shift += 8) {
        out += static_cast<char>((data.size() >> shift) & 0xFF);
    }
    std::vector<std::int64_t> head(kHashSize, -1);
    std::array<std::int64_t, kWindow> previous{};
    const auto insert = [&](std::size_t i) {
        if (i + kMinMatch <= data.size()) {
            const std::size_t hash = HashAt(data, i);
            previous[i % kWindow] = head[hash];
            head[hash] = static_cast<std::int64_t>(i);
        }
    };
    GroupWriter groups(out);
    std::size_t i = 0;
    while (i < data.size()) {
        std::size_t bestLength = 0;
        std::size_t bestFrom = 0;
        if (i + kMinMatch <= data.size()) {
            const std::size_t limit = std::min(kMaxMatch, data.size() - i);
            std::int64_t candidate = head[HashAt(data, i)];
            for (int depth = 0; depth < kChainDepth && candidate >= 0; ++depth) {
                const auto from = static_cast<std::size_t>(candidate);
                if (i - from > kMaxDistance) {
                    break;
                }
                std::size_t length = 0;
                while (length < limit && data[from + length] == data[i + length]) {
                    ++length;
                }
                if (length > bestLength) {
                    bestLength = length;
                    bestFrom = from;
                    if (length == limit) {
                        break;
                    }
                }
                const std::int64_t next = previous[from % kWindow];
                candidate = next < candidate ? next : -1;
            }
        }
        if (bestLength >= kMinMatch) {
            groups.Match((kStart + bestFrom) % kWindow, bestLength);
            for (std::size_t k = 0; k < bestLength; ++k) {
                insert(i + k);
            }
            i += bestLength;
        } else {
            groups.Literal(data[i]);
            insert(i);
            ++i;
        }
    }
    return out;
}

}  // namespace gb::setup
