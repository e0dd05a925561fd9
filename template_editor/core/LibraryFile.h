#pragma once
// Reading a template library file so that a file which exists but cannot be
// read is never overwritten: whoever writes a library back asks MayWrite of
// the state its read left.

#include <filesystem>
#include <string>

#include "itemdb/TemplateLibrary.h"

namespace gb::editor {

enum class LibraryState {
    Read,        // read completely
    Missing,     // no such file: the library is empty and may be created
    Unreadable,  // the file exists but is damaged or cannot be read
};

// Empties `library`, sets its path and reads the file. An unreadable file
// leaves the library empty rather than holding the part read before the fault.
LibraryState ReadLibrary(gb::itemdb::CTemplateLibrary& library, const std::filesystem::path& path);

inline bool MayWrite(LibraryState state) {
    return state != LibraryState::Unreadable;
}

// Two library paths name the same file, ignoring case.
bool SameLibrary(const std::filesystem::path& a, const std::filesystem::path& b);

// The message for a library that could not be read, naming its file.
std::string UnreadableLibraryMessage(const std::filesystem::path& path);

}  // namespace gb::editor
