#pragma once
// The width of the folder tree's column in the main view.

namespace gb::app {

// The tree column's width in a view `viewWidth` wide, from the width stored
// at the last exit: the stored width capped at fourteen fifteenths of the
// view. When that leaves no more than a fifteenth (nothing stored yet), one
// sixth of the view, or as much as the folders' labels need
// (`labelsWidth`), up to half the view.
int TreeColumnWidth(int storedWidth, int viewWidth, int labelsWidth);

}  // namespace gb::app
