#pragma once
// The busy animation: a gavel that rises and strikes while operations are in
// progress, resting on its first picture otherwise.

#include <QtCore/QTimer>
#include <QtGui/QPixmap>
#include <QtWidgets/QLabel>

#include <vector>

namespace gb::app::ui {

class CBusyAnimation final : public QLabel {
public:
    explicit CBusyAnimation(QWidget* parent = nullptr);

    // From the first picture to the last, over and over.
    void Play();
    // Back to the first picture.
    void Stop();
    bool IsPlaying() const { return timer_.isActive(); }

private:
    void ShowFrame(std::size_t frame);

    std::vector<QPixmap> frames_;
    std::size_t frame_ = 0;
    QTimer timer_;
};

}  // namespace gb::app::ui
