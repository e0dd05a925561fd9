#pragma once
// The template list the Open and Save As dialogs share: a name column as wide
// as the longest name, the description in the rest.

#include <vector>

#include "template_editor/core/TemplateRows.h"

class QTreeWidget;

namespace gb::editor {

void SetUpTemplateList(QTreeWidget& list);
// Lists the rows and selects, focuses and shows `select` when it exists.
void ShowTemplateRows(QTreeWidget& list, const std::vector<TemplateRow>& rows, int select);
// The selected row; -1 when none is.
int SelectedTemplateRow(const QTreeWidget& list);

}  // namespace gb::editor
