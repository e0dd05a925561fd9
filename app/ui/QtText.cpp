#include "app/ui/QtText.h"

#include <QtCore/QFile>

#include "app/core/CommandCatalog.h"
#include "platform/Cp1252.h"

namespace ui {

QString ToQt(std::string_view text) {
    return QString::fromStdString(gb::cp1252::ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return gb::cp1252::FromUtf8(text.toStdString());
}

QString PathToQt(const std::filesystem::path& path) {
    return QFile::decodeName(QByteArray::fromStdString(path.string()));
}

std::filesystem::path PathFromQt(const QString& path) {
    return std::filesystem::path(QFile::encodeName(path).toStdString());
}

QString QtMenuText(std::string_view menuText) {
    return ToQt(menuText.substr(0, menuText.find('\t')));
}

QKeySequence QtShortcut(std::string_view menuText) {
    const std::string_view shortcut = ShortcutOf(menuText);
    return shortcut.empty() ? QKeySequence()
                            : QKeySequence(ToQt(shortcut), QKeySequence::PortableText);
}

}  // namespace ui
