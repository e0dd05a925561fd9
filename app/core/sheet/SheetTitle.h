#pragma once
// The line above the item sheet's pages: the item's description, shortened
// at a blank when it is long, and its auction ID in brackets.

#include <string>
#include <string_view>

namespace gb::app {

// A description longer than 45 characters is cut at the first blank at or
// after position 45 when that blank lies at position 60 or before, else at 45
// characters; then " [", the auction ID and "]".
std::string SheetTitle(std::string_view description, std::string_view auctionId);

}  // namespace gb::app
