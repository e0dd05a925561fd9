#pragma once
// gbtool export PROFILE FOLDER_ID TYPE OUT [--columns SET] [--locale ID]
//
// Writes the export that the main program's "Export Items" writes for all the
// items of a folder: TYPE 0 separated, 1 fixed length, 2 tab; the columns
// stored in the user's "Export" settings unless a column-set text is given;
// the user's default locale unless a locale ID is given.

#include <span>

// 0 when the file was written; 1 when the profile, the folder or the file
// failed; 2 on wrong arguments.
int ExportFolder(std::span<char* const> args);
