#pragma once
// The splash screen: the program's picture in a frameless window on top,
// centred on the screen, while start-up loads the fee schedule and the
// profile. It closes after its first wait, or later once the main window is
// visible, or at the latest after eight seconds; then it brings the main
// window to the front.

#include <QtCore/QPointer>
#include <QtCore/QTimer>
#include <QtGui/QPixmap>
#include <QtWidgets/QWidget>

#include <functional>

#include "app/core/SplashSchedule.h"

namespace gb::app::ui {

class CSplashWnd final : public QWidget {
    Q_OBJECT

public:
    // Shows the splash over `mainWindow` (which may not be visible yet); null
    // when the picture is missing.
    static CSplashWnd* Show(const QPixmap& picture, QWidget* mainWindow,
                            int firstWait = SplashSchedule::kFirstWait);

    // What the timer runs: closes the splash or waits another step.
    void Check();
    int NextWait() const { return timer_.interval(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    CSplashWnd(const QPixmap& picture, QWidget* mainWindow, int firstWait);
    void Close();

    QPixmap picture_;
    QPointer<QWidget> mainWindow_;
    SplashSchedule schedule_;
    QTimer timer_;
};

}  // namespace gb::app::ui
