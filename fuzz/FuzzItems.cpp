#include "FuzzItems.h"

#include <charconv>

namespace gb::fuzz {

namespace {

// Enough items for every rule that looks at more than one, few enough to
// keep a run fast.
constexpr std::size_t kMostItems = 20;

}  // namespace

ItemsAndRest ReadItems(std::string_view input) {
    ItemsAndRest read;
    read.items.emplace_back();
    while (!input.empty()) {
        const std::size_t end = input.find('\n');
        const std::string_view line = input.substr(0, end);
        input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
        if (line.empty()) {
            break;
        }
        if (line == "-") {
            if (read.items.size() < kMostItems) {
                read.items.emplace_back();
            }
            continue;
        }
        int field = 0;
        const auto [after, error] = std::from_chars(line.data(), line.data() + line.size(), field);
        if (error == std::errc() && after < line.data() + line.size() && *after == ' ') {
            read.items.back().SetFieldText(field, line.substr(after + 1 - line.data()));
        }
    }
    read.rest = input;
    return read;
}

}  // namespace gb::fuzz
