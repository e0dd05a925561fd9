#pragma once
// The texts of the files that make the shortcuts and the profile file type
// known to the desktop: desktop entries and a shared-mime-info package.

#include <filesystem>
#include <string>
#include <string_view>

namespace gb::setup {

// The file type of profiles, as the desktop knows it.
inline constexpr std::string_view kProfileMimeType = "application/x-gavelbook-profile";
inline constexpr std::string_view kMimePackageName = "gavelbook-profile.xml";

// A desktop entry that starts `program`, or with `opensProfiles` the program
// that opens profile files given to it; shown with the picture file `icon`
// unless that is empty.
std::string ProgramEntry(std::string_view name, std::string_view comment,
                         const std::filesystem::path& program, bool opensProfiles,
                         const std::filesystem::path& icon);

// A desktop entry that opens `document` with the user's preferred program.
std::string DocumentEntry(std::string_view name, std::string_view comment,
                          const std::filesystem::path& document, const std::filesystem::path& icon);

// The shared-mime-info package that gives "*.pro" files the profile type.
std::string ProfileMimePackage();

// One argument of an Exec line, quoted and escaped for a desktop entry.
std::string ExecArgument(std::string_view argument);

}  // namespace gb::setup
