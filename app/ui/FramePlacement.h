#pragma once
// The main window's placement in the user's settings: saved as the window
// closes, restored at the next start when it lies on the screen.

#include <QtWidgets/QWidget>

namespace gb {
class Settings;
}  // namespace gb

namespace gb::app::ui {

class FramePlacement final {
public:
    FramePlacement(QWidget& window, gb::Settings& settings)
        : window_(window), settings_(settings) {}

    // Places and shows the window as saved; false when nothing fit the screen.
    bool Load();
    // False when a value could not be written.
    bool Save();

private:
    QWidget& window_;
    gb::Settings& settings_;
};

}  // namespace gb::app::ui
