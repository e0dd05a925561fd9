#pragma once
// Reads the forms, fields and base address of a page with gumbo. Old pages
// nest forms inside tables, where the parser closes the form element at once;
// so a field belongs to the last form that starts before it in the source and
// whose </form> has not yet come, as in the browsers those pages were written
// for. Only elements of the HTML namespace count: inside <svg> or <math> the
// parser lets fields nest, and a browser submits none of them.
//
// The work after the parse is bounded by the page: each node's text is taken
// once, for its nearest field or option; and the fields, their values and
// their texts are capped far above real pages.
//
// gumbo itself has no bounds: this runs only inside the page-reading program,
// under the kernel's limits.

#include <string_view>

#include "retrieval/browser/ReaderAnswer.h"

namespace gb::retrieval {

class FormReader {
public:
    static ReaderAnswer Read(std::string_view utf8);
};

}  // namespace gb::retrieval
