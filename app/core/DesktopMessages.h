#pragma once
// What the user reads when the desktop has no program for what the main
// program hands to it: a browser for the help, a mail program for Mail To.

#include <string>
#include <string_view>

namespace gb::app {

// `helpFile`: the help page that could not be shown.
std::string NoHelpProgramText(std::string_view helpFile);
// `mailTo`: the "mailto:" address that could not be opened; the text names
// the buyer's address alone.
std::string NoMailProgramText(std::string_view mailTo);

}  // namespace gb::app
