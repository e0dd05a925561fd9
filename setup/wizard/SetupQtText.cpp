#include "setup/wizard/SetupQtText.h"

#include "platform/Cp1252.h"

namespace gb::setup::ui {

QString ToQt(std::string_view text) {
    return QString::fromStdString(cp1252::ToUtf8(text));
}

QString ToQt(const std::filesystem::path& path) {
    return QString::fromStdString(path.string());
}

std::filesystem::path PathOf(const QString& text) {
    return std::filesystem::path(text.toStdString());
}

}  // namespace gb::setup::ui
