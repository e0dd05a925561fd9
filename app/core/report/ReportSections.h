#pragma once
// Where a template's sections are cut: the repeated part and the footer give
// what lies inside their <BODY> element; the header is split at its </BODY>
// so that its closing tags follow the footer.

#include <string_view>

namespace gb::app {

// The part between the end of the "<BODY ...>" tag and "</BODY>" (matched
// ignoring case); the whole text when either tag is missing. A "<BODY" without
// its closing ">" starts the part at the beginning of the text.
std::string_view BodyInner(std::string_view html);

struct HeaderParts {
    std::string_view head;  // rendered before the items
    std::string_view tail;  // from "</BODY>" on: appended after the footer
};

// The header before "</BODY>" and the rest; all head when there is none.
HeaderParts SplitHeader(std::string_view header);

}  // namespace gb::app
