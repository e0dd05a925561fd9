#pragma once
// A command's menu text from the catalogue, split for Qt: the text and the
// shortcut after its tab.

#include <QtCore/QString>
#include <QtGui/QKeySequence>

#include <string_view>

namespace gb::app::ui {

// A menu text without the shortcut that follows its tab.
QString QtMenuText(std::string_view menuText);
// The shortcut after the tab of a menu text; empty when there is none.
QKeySequence QtShortcut(std::string_view menuText);

}  // namespace gb::app::ui
