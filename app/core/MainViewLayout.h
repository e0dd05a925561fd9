#pragma once
// The width of the folder tree's column in the main view.

namespace gb::app {

// The tree column's width in a view `viewWidth` wide, from the width stored
// at the last exit: the stored width capped at fourteen fifteenths of the
// view, or one sixth of the view when that leaves no more than a fifteenth.
int TreeColumnWidth(int storedWidth, int viewWidth);

}  // namespace gb::app
