#pragma once
// Showing the small editors' ordered lists in list widgets: the list is
// rebuilt from the entries' texts with one row selected.

#include <string>
#include <vector>

class QListWidget;

namespace gb::app::ui {

// Replaces the rows with `texts` and selects row `selected` (none when it is
// outside the list).
void ShowList(QListWidget& list, const std::vector<std::string>& texts, int selected);

// The selected row; -1 when none is selected.
int SelectedRow(const QListWidget& list);

}  // namespace gb::app::ui
