#pragma once
// What the user reads when the desktop has no program for what the main
// program hands to it: a mail program for Mail To. (The help's text, shared
// with the other programs, is widgets' NoHelpProgramText.)

#include <string>
#include <string_view>

namespace gb::app {

// `mailTo`: the "mailto:" address that could not be opened; the text names
// the buyer's address alone.
std::string NoMailProgramText(std::string_view mailTo);

}  // namespace gb::app
