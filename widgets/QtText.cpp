#include "widgets/QtText.h"

#include <QtCore/QFile>

#include "platform/Cp1252.h"

namespace gb::widgets {

QString ToQt(std::string_view text) {
    return QString::fromStdString(cp1252::ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return cp1252::FromUtf8(text.toStdString());
}

QString PathToQt(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path PathFromQt(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

}  // namespace gb::widgets
