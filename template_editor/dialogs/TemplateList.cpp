#include "template_editor/dialogs/TemplateList.h"

#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTreeWidget>

#include "widgets/ListWidth.h"
#include "widgets/QtText.h"

namespace gb::editor {

void SetUpTemplateList(QTreeWidget& list) {
    list.header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    list.header()->setStretchLastSection(true);
}

void ShowTemplateRows(QTreeWidget& list, const std::vector<TemplateRow>& rows, int select) {
    list.clear();
    for (const TemplateRow& row : rows) {
        list.addTopLevelItem(new QTreeWidgetItem(
            QStringList{gb::widgets::ToQt(row.name), gb::widgets::ToQt(row.description)}));
    }
    // Wide enough for every name and description whole.
    const std::vector<int> widths = gb::widgets::ColumnContentWidths(list);
    gb::widgets::WidenForViewport(list, widths[0] + widths[1]);
    if (QTreeWidgetItem* item = list.topLevelItem(select)) {
        list.setCurrentItem(item);
        list.scrollToItem(item);
    }
}

int SelectedTemplateRow(const QTreeWidget& list) {
    const QList<QTreeWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.indexOfTopLevelItem(selected.front());
}

}  // namespace gb::editor
