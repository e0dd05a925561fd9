#pragma once
// The rows the template dialogs list: one per template of a library, in
// library order.

#include <string>
#include <vector>

#include "itemdb/TemplateLibrary.h"

namespace gb::editor {

struct TemplateRow {
    std::string name;
    std::string description;
};

std::vector<TemplateRow> RowsOf(const gb::itemdb::CTemplateLibrary& library);

}  // namespace gb::editor
