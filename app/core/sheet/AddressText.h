#pragma once
// The shipping address between the item and a multi-line edit box. The item
// separates lines by CR LF (older records by a lone CR); the edit box by line
// feeds. An address the user did not change goes back exactly as it came;
// an edited one is stored with CR LF pairs.

#include <string>
#include <string_view>

namespace gb::app {

// The address with every CR LF pair and lone CR as a line feed.
std::string AddressForEditing(std::string_view stored);

// What to store for the edited text: `stored` itself when the text is what
// AddressForEditing made of it, else the text with each line feed as CR LF.
std::string AddressForStoring(std::string_view edited, std::string_view stored);

}  // namespace gb::app
