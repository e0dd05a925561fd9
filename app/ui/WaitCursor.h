#pragma once
// The wait cursor for as long as the guard lives: long work on the
// user-interface thread shows it, and every way out of that work restores the
// cursor.

#include <QtGui/QGuiApplication>

namespace gb::app::ui {

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
};

}  // namespace gb::app::ui
