#include "widgets/QtText.h"

#include "platform/Cp1252.h"

namespace gb::widgets {

QString ToQt(std::string_view text) {
    return QString::fromStdString(cp1252::ToUtf8(text));
}

std::string FromQt(const QString& text) {
    return cp1252::FromUtf8(text.toStdString());
}

}  // namespace gb::widgets
