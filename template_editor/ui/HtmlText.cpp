#include "template_editor/ui/HtmlText.h"

#include "platform/Cp1252.h"

namespace gb::editor {

std::string HtmlFromQt(const QString& html) {
    return gb::cp1252::FromUtf8(html.toUtf8().toStdString(), gb::cp1252::Unmappable::HtmlEntity);
}

}  // namespace gb::editor
