#pragma once
// What the user reads when the desktop has no mail program for Mail To (the
// help's message is the programs' shared one, beside their help service).

#include <string>
#include <string_view>

namespace gb::app {

// `mailTo`: the "mailto:" address that could not be opened; the text names
// the buyer's address alone.
std::string NoMailProgramText(std::string_view mailTo);

}  // namespace gb::app
