#include "app/core/report/TemplateChoice.h"

#include "itemdb/FileFinder.h"
#include "itemdb/TemplateLibrary.h"

namespace gb::app {

std::vector<std::string> TemplateLibraryFiles(const std::filesystem::path& folder) {
    std::vector<std::string> files;
    gb::itemdb::CFileFinder finder(folder);
    std::string name;
    if (finder.SetPatterns("*.cta", false)) {
        while (finder.FindNext(name)) {
            files.push_back(name);
        }
    }
    return files;
}

std::vector<TemplateRow> TemplateRows(const gb::itemdb::CTemplateLibrary& library, int kind) {
    std::vector<TemplateRow> rows;
    for (int i = 0; i < library.GetCount(); ++i) {
        const gb::itemdb::CTDocText* text = library.GetTemplate(i);
        if (text != nullptr && text->GetKind() == kind) {
            rows.push_back({text->GetName(), text->GetDescription(), i});
        }
    }
    return rows;
}

int RowOfTemplate(const std::vector<TemplateRow>& rows, int current) {
    for (std::size_t row = 0; row < rows.size(); ++row) {
        if (rows[row].index == current) {
            return static_cast<int>(row);
        }
    }
    return rows.empty() ? -1 : 0;
}

}  // namespace gb::app
