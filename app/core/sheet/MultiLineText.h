#pragma once
// Multi-line texts (the description, the shipping address) between the item
// and a multi-line edit box. The item separates lines by CR LF (older records
// by a lone CR); the edit box by line feeds. A text the user did not change
// goes back exactly as it came; an edited one is stored with CR LF pairs.

#include <string>
#include <string_view>

namespace gb::app {

// The text with every CR LF pair and lone CR as a line feed.
std::string LinesForEditing(std::string_view stored);

// What to store for the edited text: `stored` itself when the text is what
// LinesForEditing made of it, else the text with each line feed as CR LF.
std::string LinesForStoring(std::string_view edited, std::string_view stored);

}  // namespace gb::app
