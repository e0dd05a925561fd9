#pragma once
// Conversions at the edge between the core's Windows-1252 texts and paths and
// Qt's strings.

#include <QtCore/QString>
#include <QtGui/QKeySequence>

#include <filesystem>
#include <string>
#include <string_view>

namespace ui {

QString ToQt(std::string_view text);
// Characters 1252 cannot hold become '?'.
std::string FromQt(const QString& text);

QString PathToQt(const std::filesystem::path& path);
std::filesystem::path PathFromQt(const QString& path);

// A menu text without the shortcut that follows its tab.
QString QtMenuText(std::string_view menuText);
// The shortcut after the tab of a menu text; empty when there is none.
QKeySequence QtShortcut(std::string_view menuText);

}  // namespace ui
