#pragma once
// gumbo's parse of one page, with the parser's own work bounded. A hostile
// page can make gumbo build a tree hundreds of thousands deep: minutes of
// work, and a recursive free that overruns the stack. Any pre-scan that
// predicts the tree has to agree with gumbo's every rule, and a disagreement
// lets such a page through; so the real parse is bounded instead. Every block
// gumbo allocates comes from here and counts against a memory cap; the
// parsing thread's CPU time is capped (read every so many allocations, and
// signalled by a CPU-time timer for stretches in which gumbo allocates
// nothing, such as text inside a deep tree); and the stack gumbo's own
// recursion may take is capped. When a cap strikes, the parse is abandoned on
// the spot with a long jump out of gumbo, and every block it held is freed
// here. gumbo's recursive freeing of a finished tree is never called.

#include <gumbo.h>

#include <chrono>
#include <cstddef>
#include <memory>
#include <stdexcept>
#include <string_view>

namespace gb::retrieval {

// Raised when a parse goes over one of its caps.
class ParseLimitReached : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class BoundedParse {
public:
    struct Limits {
        std::size_t memory;                // the most bytes the parser may hold at once
        std::chrono::nanoseconds cpuTime;  // of the parsing thread
    };

    // Parses `html`. Throws ParseLimitReached when a cap strikes; nothing of
    // the parse is left then.
    BoundedParse(std::string_view html, const Limits& limits);
    // Frees the tree, block by block.
    ~BoundedParse();
    BoundedParse(const BoundedParse&) = delete;
    BoundedParse& operator=(const BoundedParse&) = delete;

    const GumboNode& Document() const { return *output_->document; }

    class Meter;

private:
    std::unique_ptr<Meter> meter_;
    GumboOutput* output_ = nullptr;
};

}  // namespace gb::retrieval
