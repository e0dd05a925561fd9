#pragma once
// Lists wide enough to show their texts whole: a column of descriptions or
// amounts cut off, or pushed behind a scroll bar, hides what the user came for.

#include <vector>

class QTreeView;
class QTreeWidget;

namespace gb::widgets {

// The width each column's texts (and its header's) need, over every row.
std::vector<int> ColumnContentWidths(const QTreeWidget& list);

// Makes the list at least wide enough for a viewport of `viewportWidth`, room
// for its frame and a vertical scroll bar added; never wider than most of the
// screen it is on.
void WidenForViewport(QTreeView& list, int viewportWidth);

}  // namespace gb::widgets
