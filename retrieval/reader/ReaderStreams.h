#pragma once
// The page-reading program's input and output: the page arrives whole on
// standard input, the answer leaves on standard output.

#include <optional>
#include <string>
#include <string_view>

namespace gb::retrieval {

class ReaderStreams {
public:
    // The whole input; nothing when it is longer than `limit` bytes or
    // cannot be read.
    static std::optional<std::string> ReadPage(std::size_t limit);
    static bool WriteAnswer(std::string_view answer);
};

}  // namespace gb::retrieval
