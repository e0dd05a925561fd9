#include "app/ui/CSplashWnd.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QPainter>
#include <QtGui/QScreen>

namespace gb::app::ui {

CSplashWnd* CSplashWnd::Show(const QPixmap& picture, QWidget* mainWindow, int firstWait) {
    if (picture.isNull()) {
        return nullptr;
    }
    auto* splash = new CSplashWnd(picture, mainWindow, firstWait);
    splash->show();
    splash->raise();
    return splash;
}

CSplashWnd::CSplashWnd(const QPixmap& picture, QWidget* mainWindow, int firstWait)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      picture_(picture),
      mainWindow_(mainWindow),
      schedule_(firstWait) {
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(picture_.deviceIndependentSize().toSize());
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &CSplashWnd::Check);
    timer_.start(schedule_.FirstWait());
}

void CSplashWnd::Check() {
    const bool visible = mainWindow_ != nullptr && mainWindow_->isVisible();
    if (const auto next = schedule_.OnCheck(visible)) {
        timer_.start(*next);
    } else {
        Close();
    }
}

void CSplashWnd::Close() {
    timer_.stop();
    if (mainWindow_ != nullptr && mainWindow_->isVisible()) {
        mainWindow_->raise();
        mainWindow_->activateWindow();
    }
    close();
}

void CSplashWnd::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(0, 0, picture_);
}

}  // namespace gb::app::ui
