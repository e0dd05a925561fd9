#include "app/ui/FramePlacement.h"

#include <QtGui/QGuiApplication>
#include <QtGui/QScreen>

#include "app/core/WindowPlacement.h"

namespace gb::app::ui {

bool FramePlacement::Load() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) {
        return false;
    }
    const QSize size = screen->geometry().size();
    const auto placement = gb::app::LoadWindowPlacement(settings_, {size.width(), size.height()});
    if (!placement) {
        return false;
    }
    window_.setGeometry(QRect(QPoint(placement->left, placement->top),
                              QPoint(placement->right - 1, placement->bottom - 1)));
    switch (placement->showCommand) {
        case WindowPlacement::kShowMaximized:
            window_.showMaximized();
            break;
        case WindowPlacement::kShowMinimized:
            window_.showMinimized();
            break;
        default:
            window_.showNormal();
            break;
    }
    return true;
}

bool FramePlacement::Save() {
    const QRect normal =
        window_.normalGeometry().isValid() ? window_.normalGeometry() : window_.geometry();
    WindowPlacement placement;
    placement.showCommand = window_.isMinimized()   ? WindowPlacement::kShowMinimized
                            : window_.isMaximized() ? WindowPlacement::kShowMaximized
                                                    : WindowPlacement::kShowNormal;
    if (window_.isMinimized() && (window_.windowState() & Qt::WindowMaximized)) {
        placement.flags = WindowPlacement::kRestoreToMaximized;
    }
    placement.left = normal.left();
    placement.top = normal.top();
    placement.right = normal.right() + 1;
    placement.bottom = normal.bottom() + 1;
    return gb::app::SaveWindowPlacement(settings_, placement);
}

}  // namespace gb::app::ui
