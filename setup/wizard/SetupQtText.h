#pragma once
// Texts of the engine (Windows-1252) and paths at the Qt edge.

#include <QtCore/QString>
#include <filesystem>
#include <string_view>

namespace gb::setup::ui {

QString ToQt(std::string_view text);
QString ToQt(const std::filesystem::path& path);
std::filesystem::path PathOf(const QString& text);

}  // namespace gb::setup::ui
