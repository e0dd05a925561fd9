#include "widgets/ListWidth.h"

#include <QtGui/QScreen>
#include <QtWidgets/QHeaderView>
#include <QtWidgets/QScrollBar>
#include <QtWidgets/QTreeWidget>

#include <algorithm>

namespace gb::widgets {

namespace {

// A list may take this share of the screen's width, in tenths.
constexpr int kMostOfTheScreen = 9;

}  // namespace

std::vector<int> ColumnContentWidths(const QTreeWidget& list) {
    std::vector<int> widths;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.font = list.font();
    option.decorationSize = list.iconSize().isValid() ? list.iconSize() : QSize(16, 16);
    for (int column = 0; column < list.columnCount(); ++column) {
        int widest = list.header()->isHidden() ? 0 : list.header()->sectionSizeHint(column);
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            const QModelIndex index = list.model()->index(row, column);
            widest =
                std::max(widest, list.itemDelegateForIndex(index)->sizeHint(option, index).width());
        }
        if (column == 0 && list.rootIsDecorated()) {
            widest += list.indentation();
        }
        widths.push_back(widest);
    }
    return widths;
}

void WidenForViewport(QTreeView& list, int viewportWidth) {
    int width =
        viewportWidth + 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
    if (const QScreen* screen = list.screen()) {
        width = std::min(width, screen->availableGeometry().width() * kMostOfTheScreen / 10);
    }
    list.setMinimumWidth(std::max(list.minimumWidth(), width));
}

}  // namespace gb::widgets
