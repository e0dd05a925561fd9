#pragma once
// Conversions at the edge between the core's Windows-1252 texts and paths and
// Qt's strings.

#include <QtCore/QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace gb::widgets {

QString ToQt(std::string_view text);
// Characters 1252 cannot hold become '?'.
std::string FromQt(const QString& text);

QString PathToQt(const std::filesystem::path& path);
std::filesystem::path PathFromQt(const QString& path);

}  // namespace gb::widgets
