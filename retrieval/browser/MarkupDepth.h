#pragma once
// How deep a page's elements nest and how much work they make the HTML parser
// do, measured in one pass over the source before the page is handed to the
// parser. The parser looks through its open elements for most tags, so its
// work grows with the square of the nesting depth: a hostile page of a few
// megabytes nested a hundred thousand elements deep would keep it busy for
// half an hour, while no real page nests more than a few dozen deep. And it
// reopens formatting elements that a misnested end tag closed before every
// piece of text, which a hostile page can repeat until memory runs out.
//
// The measure follows the tree an HTML parser builds closely enough to leave
// real pages alone (elements that close themselves or their siblings, end
// tags that close the elements left open inside them, script and style text)
// and errs towards counting too deep wherever the parser's rules are subtle:
// formatting elements that the parser may reopen after a misnested end tag
// count until their own end tag or their table cell closes them.

#include <cstddef>
#include <string_view>

namespace gb::retrieval {

// True when the elements of `html` (open elements and reopenable formatting
// elements together) nest deeper than `depthLimit`, or when the parser would
// look at more than `workLimit` elements in all, counting every element it
// makes and every open element and formatting element it may look through
// for each tag and piece of text. Linear in the size of `html` for a fixed
// depth limit.
bool IsTooDeepToParse(std::string_view html, std::size_t depthLimit, std::size_t workLimit);

}  // namespace gb::retrieval
