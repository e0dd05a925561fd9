#include "template_editor/core/LibraryChoice.h"

#include <algorithm>
#include <system_error>

#include "itemdb/FileFinder.h"
#include "itemdb/TemplateLibrary.h"
#include "platform/Cp1252.h"
#include "template_editor/core/NameRules.h"

namespace gb::editor {

namespace {

constexpr std::string_view kExtension = ".cta";

}  // namespace

LibraryChoice::LibraryChoice(const std::filesystem::path& current)
    : folder_(current.parent_path()), currentName_(current.filename().string()) {
    gb::itemdb::CFileFinder finder(folder_);
    if (!finder.SetPatterns("*.cta;", false)) {
        return;
    }
    for (std::string name; finder.FindNext(name);) {
        names_.push_back(name);
    }
}

std::string LibraryChoice::NormalizeName(std::string_view typed) {
    const std::size_t first = typed.find_first_not_of(' ');
    const std::size_t last = typed.find_last_not_of(' ');
    std::string name(first == typed.npos ? std::string_view()
                                         : typed.substr(first, last - first + 1));
    if (name.size() < kExtension.size() ||
        gb::cp1252::ToUpper(name.substr(name.size() - kExtension.size())) != ".CTA") {
        name += kExtension;
    }
    return name;
}

bool LibraryChoice::Exists(const std::string& name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

bool LibraryChoice::Create(const std::string& name) const {
    if (!IsValidLibraryName(name)) {
        return false;
    }
    const std::filesystem::path path = PathOf(name);
    std::error_code error;
    if (std::filesystem::exists(path, error) || error) {
        return false;
    }
    gb::itemdb::CTemplateLibrary empty;
    empty.SetPath(path);
    return empty.SaveFile();
}

}  // namespace gb::editor
