#pragma once
// The item list's context menu: the item commands with their states for the
// present selection and folder, and the Copy/Paste sub-menu of e-mail
// templates.

#include <cstddef>

class QMenu;
class QWidget;

namespace gb::app {
class IFrame;
}  // namespace gb::app

namespace gb::app::ui {

// A new menu owned by `parent`; its entries run their commands through the
// frame.
QMenu* MakeItemContextMenu(IFrame& frame, QWidget* parent, std::size_t selectedCount);

}  // namespace gb::app::ui
