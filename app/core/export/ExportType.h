#pragma once
// The three layouts of an export file, numbered as the "Export"/"Type"
// setting and the export dialog's type list number them.

#include <string_view>

namespace gb::app {

enum class ExportType : int {
    Separated = 0,    // "CSV": the locale's list separator between columns
    FixedLength = 1,  // each column padded to its field's width
    Tab = 2,          // a tab between columns
};

inline constexpr int kExportTypeCount = 3;

// The file extension that goes with the layout: "csv", "txt" or "tab".
std::string_view ExtensionFor(ExportType type);

}  // namespace gb::app
