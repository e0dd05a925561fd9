#pragma once
// Cutting an HTML page into the part up to and including its opening body tag,
// the body, and the part from its closing body tag on. Tags match in any case.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace gb::editor {

// The position just past the first occurrence of `needle` in `text` at or
// after `start`, ignoring case; -1 when there is none or `start` is negative or
// past the end.
int FindNoCase(std::string_view needle, std::string_view text, int start);

struct PageParts {
    std::string prefix;  // through the '>' that closes "<BODY ...": attributes included
    std::string body;
    std::string suffix;  // from "</BODY>" to the end
};

// Where `marker` (a comment) first stands in `html` as markup of its own,
// ignoring case: occurrences inside a tag, such as in an attribute's value, or
// inside another comment do not count. npos when there is none.
std::size_t FindMarker(std::string_view html, std::string_view marker);

// Nothing when the page lacks "<BODY", the '>' after it or "</BODY>" after that.
std::optional<PageParts> SplitPage(std::string_view page);

}  // namespace gb::editor
