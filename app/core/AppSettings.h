#pragma once
// Where the main program keeps its settings: the sections below the program's
// key in the user and machine roots, and the names of their values.

#include <string>
#include <string_view>

namespace gb::app {

namespace section {
inline constexpr std::string_view Settings = "Settings";
inline constexpr std::string_view TemplateSettings = "Template\\Settings";
inline constexpr std::string_view RecentFiles = "Recent File List";
inline constexpr std::string_view Combos = "Combos";
}  // namespace section

namespace value {
inline constexpr std::string_view ProfileName = "ProfileName";
inline constexpr std::string_view Library = "Library";
inline constexpr std::string_view Template = "Template";
inline constexpr std::string_view Splitter = "Splitter";
inline constexpr std::string_view Spacing = "Spacing";
inline constexpr std::string_view Adult = "Adult";
}  // namespace value

inline constexpr std::string_view kDefaultTemplateLibrary = "VizEvav.cta";
inline constexpr std::string_view kFeeScheduleFile = "AucField.fee";

// The key path of a section below the program's key.
std::string SectionKey(std::string_view section);

}  // namespace gb::app
