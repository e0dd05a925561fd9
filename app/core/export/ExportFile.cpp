#include "app/core/export/ExportFile.h"

#include "app/core/ListRows.h"
#include "app/core/UiStrings.h"
#include "app/core/export/ExportFormatter.h"
#include "platform/FileIo.h"

namespace gb::app {

std::string ExportText(const ExportFormatter& formatter, const ListRows& rows) {
    constexpr std::string_view kLineEnd = "\r\n";
    std::string text = formatter.Header();
    text += kLineEnd;
    // Exact for fixed-length lines, a start for the others.
    text.reserve(text.size() * (rows.Count() + 1));
    for (std::size_t row = 0; row < rows.Count(); ++row) {
        text += formatter.Row(rows, row);
        text += kLineEnd;
    }
    return text;
}

void WriteExportFile(const std::filesystem::path& path, const ExportFormatter& formatter,
                     const ListRows& rows) {
    // Buyers' names and addresses: for the user's eyes only, as the report.
    gb::WriteFileAtomically(path, ExportText(formatter, rows), gb::FileAccess::OwnerOnly);
}

std::string ExportCompleteText(std::size_t written, std::size_t chosen) {
    std::string text = UiText(string_id::ExportComplete);
    if (written != chosen) {
        text += " Only " + std::to_string(written) + " of the " + std::to_string(chosen) +
                " items were exported: the others left the profile while the export dialog "
                "was open.";
    }
    return text;
}

}  // namespace gb::app
