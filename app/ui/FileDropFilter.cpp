#include "app/ui/FileDropFilter.h"

#include <QtCore/QMimeData>
#include <QtCore/QUrl>

#include <optional>

#include "widgets/QtText.h"

namespace gb::app::ui {

using gb::widgets::PathFromQt;

namespace {

std::optional<std::filesystem::path> FirstLocalFile(const QMimeData* data) {
    if (data != nullptr) {
        for (const QUrl& url : data->urls()) {
            if (url.isLocalFile()) {
                return PathFromQt(url.toLocalFile());
            }
        }
    }
    return std::nullopt;
}

}  // namespace

FileDropFilter::FileDropFilter(Open open, QWidget* window)
    : QObject(window), openDropped_(std::move(open)), window_(window) {
    window_->setAcceptDrops(true);
    window_->installEventFilter(this);
}

bool FileDropFilter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == window_ && event->type() == QEvent::DragEnter) {
        return OnDragEnter(static_cast<QDragEnterEvent*>(event));
    }
    if (watched == window_ && event->type() == QEvent::Drop) {
        return OnDrop(static_cast<QDropEvent*>(event));
    }
    return false;
}

bool FileDropFilter::OnDragEnter(QDragEnterEvent* event) {
    if (openDropped_ && FirstLocalFile(event->mimeData())) {
        event->acceptProposedAction();
        return true;
    }
    return false;
}

bool FileDropFilter::OnDrop(QDropEvent* event) {
    if (const auto path = FirstLocalFile(event->mimeData()); path && openDropped_) {
        event->acceptProposedAction();
        window_->activateWindow();
        openDropped_(*path);
        return true;
    }
    return false;
}

}  // namespace gb::app::ui
