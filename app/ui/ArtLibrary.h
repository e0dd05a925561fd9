#pragma once
// The program's own pictures, cut from the strips drawn into resources/art.

#include <QtGui/QIcon>
#include <QtGui/QPixmap>

#include <vector>

namespace gb::app::ui {

class ArtLibrary {
public:
    // Button `image` of the toolbar, at 32 and 16 pixels.
    static QIcon ToolbarIcon(int image);
    // Image `index` of the folder tree (see FolderImages).
    static QIcon FolderIcon(int index);
    // The item list's icon of display state 1-10; `large` for double spacing.
    static QPixmap ItemStatePixmap(int state, bool large);
    static std::vector<QPixmap> BusyFrames(int size);
    static QIcon ProgramIcon();
    static QPixmap ProfileIconPixmap();
    static QPixmap Splash();
    static QPixmap Logo();
};

}  // namespace gb::app::ui
