#pragma once
// Conversions at the edge between the core's Windows-1252 texts and Qt's
// strings.

#include <QtCore/QString>

#include <string>
#include <string_view>

namespace gb::widgets {

QString ToQt(std::string_view text);
// Characters 1252 cannot hold become '?'.
std::string FromQt(const QString& text);

}  // namespace gb::widgets
