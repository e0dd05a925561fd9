#pragma once
// The editor's toolbar pictures, drawn when first asked for.

#include <QtGui/QIcon>

namespace gb::editor {

class EditorArt {
public:
    // The picture of a toolbar command; a null icon for other commands.
    static QIcon CommandIcon(int id);
};

}  // namespace gb::editor
