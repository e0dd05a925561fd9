#pragma once
// HTML typed or edited in the editor, in the templates' code page: characters
// that Windows-1252 cannot hold become character references, so nothing the
// user wrote is lost.

#include <QtCore/QString>

#include <string>

namespace gb::editor {

std::string HtmlFromQt(const QString& html);

}  // namespace gb::editor
