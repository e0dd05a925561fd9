#include "template_editor/core/TemplateRows.h"

namespace gb::editor {

std::vector<TemplateRow> RowsOf(const gb::itemdb::CTemplateLibrary& library) {
    std::vector<TemplateRow> rows;
    for (int i = 0; i < library.GetCount(); ++i) {
        const gb::itemdb::CTDocText& t = *library.GetTemplate(i);
        rows.push_back({t.GetName(), t.GetDescription()});
    }
    return rows;
}

}  // namespace gb::editor
