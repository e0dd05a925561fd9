#include "app/dialogs/common/ListWidgets.h"

#include <QtWidgets/QListWidget>

#include "widgets/QtText.h"

namespace gb::app::ui {

void ShowList(QListWidget& list, const std::vector<std::string>& texts, int selected) {
    list.clear();
    for (const std::string& text : texts) {
        list.addItem(gb::widgets::ToQt(text));
    }
    if (selected >= 0 && selected < list.count()) {
        list.setCurrentRow(selected);
    }
}

int SelectedRow(const QListWidget& list) {
    const QList<QListWidgetItem*> selected = list.selectedItems();
    return selected.isEmpty() ? -1 : list.row(selected.front());
}

}  // namespace gb::app::ui
