#pragma once
// What the template chooser offers: the template libraries of the program
// folder, and the templates of one kind in a library.

#include <filesystem>
#include <string>
#include <vector>

namespace gb::itemdb {
class CTemplateLibrary;
}  // namespace gb::itemdb

namespace gb::app {

// The library files ("*.cta") of the folder, in name order.
std::vector<std::string> TemplateLibraryFiles(const std::filesystem::path& folder);

struct TemplateRow {
    std::string name;
    std::string description;
    int index = 0;  // in the library
};

// The library's templates of `kind` (0 report, 1 e-mail), in library order.
std::vector<TemplateRow> TemplateRows(const gb::itemdb::CTemplateLibrary& library, int kind);

// The row of the template at library index `current`; the first row when it
// is not listed, -1 for no rows.
int RowOfTemplate(const std::vector<TemplateRow>& rows, int current);

// The library and the template the user chose.
struct TemplateSelection {
    std::string libraryName;
    int index = 0;
};

}  // namespace gb::app
