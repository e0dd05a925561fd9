#pragma once
// Writing an export file: the header line and one line per row, each ended by
// CR LF, written to a temporary file and renamed over the target, so that a
// failed export leaves no partial file and the old file intact.

#include <cstddef>
#include <filesystem>
#include <string>

namespace gb::app {

class ExportFormatter;
class ListRows;

// The whole file's bytes.
std::string ExportText(const ExportFormatter& formatter, const ListRows& rows);

// Throws gb::FileError when the file cannot be written.
void WriteExportFile(const std::filesystem::path& path, const ExportFormatter& formatter,
                     const ListRows& rows);

// The message after an export that wrote `written` of the `chosen` rows: the
// rows the user chose are fewer when items left the profile meanwhile.
std::string ExportCompleteText(std::size_t written, std::size_t chosen);

}  // namespace gb::app
