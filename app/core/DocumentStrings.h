#pragma once
// The pieces of the profile document's strings: the main window's title and
// the file filter and extension of profiles.

#include <string>

namespace gb::app {

std::string ApplicationTitle();  // "Gavelbook"
std::string ProfileFilter();     // "Profiles (*.pro)"
std::string ProfileExtension();  // ".pro"

}  // namespace gb::app
