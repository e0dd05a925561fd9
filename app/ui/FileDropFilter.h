#pragma once
// Files dropped on a window: the first local file among them is handed over to
// be opened, and the window comes to the front.

#include <QtCore/QObject>
#include <QtGui/QDragEnterEvent>
#include <QtGui/QDropEvent>
#include <QtWidgets/QWidget>

#include <filesystem>
#include <functional>

namespace gb::app::ui {

class FileDropFilter final : public QObject {
    Q_OBJECT

public:
    using Open = std::function<void(const std::filesystem::path&)>;

    // Makes `window` accept drops; the filter belongs to it.
    FileDropFilter(Open open, QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Whether the event was taken.
    bool OnDragEnter(QDragEnterEvent* event);
    bool OnDrop(QDropEvent* event);

    Open openDropped_;
    QWidget* window_;
};

}  // namespace gb::app::ui
