#pragma once
// The template editor's table of user-visible texts: the sections' help texts,
// the marker comments, and the messages of saving and of the library dialogs.

#include <string>
#include <string_view>

#include "platform/StringTable.h"

namespace gb::editor {

namespace string_id {

inline constexpr int HeaderHelp = 129;
inline constexpr int RepeatHelp = 130;
inline constexpr int FooterHelp = 131;
inline constexpr int SourceHelp = 132;
inline constexpr int DeleteTemplate = 133;  // %1: the template's name
inline constexpr int DefaultLibrary = 134;
inline constexpr int LibraryNotFound = 135;
inline constexpr int NameAndDescriptionNeeded = 136;
inline constexpr int RenameTemplate = 137;   // %1: old name, %2: new name
inline constexpr int ReplaceTemplate = 138;  // %1: the template's name
inline constexpr int StartMarker = 139;
inline constexpr int EndMarker = 140;
inline constexpr int Version = 145;
inline constexpr int CreateLibrary = 146;       // %1: the library's name
inline constexpr int InvalidLibraryName = 147;  // %1: the library's name
inline constexpr int TemplateNotSaved = 148;
inline constexpr int TemplateMalformed = 149;
inline constexpr int SaveNewTemplate = 150;
inline constexpr int SaveChanges = 151;
inline constexpr int NothingToDelete = 152;
inline constexpr int LibraryUnreadable = 153;    // %1: the library's file name
inline constexpr int InvalidTemplateName = 154;  // %1: the template's name
inline constexpr int StrayTableParts = 155;
inline constexpr int DiscardMalformedSection = 156;

}  // namespace string_id

const gb::StringTable& EditorStrings();

// The text of a string ID with "%1" and "%2" replaced by the arguments.
std::string LoadMessage(int id, std::string_view first = {}, std::string_view second = {});

}  // namespace gb::editor
