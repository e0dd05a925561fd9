#include "template_editor/dialogs/TemplateList.h"

#include <QtWidgets/QHeaderView>
#include <QtWidgets/QTreeWidget>

#include "widgets/QtText.h"

namespace gb::editor {

void SetUpTemplateList(QTreeWidget& list) {
    const int width = list.viewport()->width();
    list.header()->setStretchLastSection(true);
    list.header()->resizeSection(0, width / 5);
    list.header()->resizeSection(1, width - width / 5 - 5);
}

void ShowTemplateRows(QTreeWidget& list, const std::vector<TemplateRow>& rows, int select) {
    list.clear();
    for (const TemplateRow& row : rows) {
        list.addTopLevelItem(new QTreeWidgetItem(
            QStringList{gb::widgets::ToQt(row.name), gb::widgets::ToQt(row.description)}));
    }
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
