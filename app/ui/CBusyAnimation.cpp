#include "app/ui/CBusyAnimation.h"

#include "app/ui/ArtLibrary.h"

namespace gb::app::ui {

namespace {

constexpr int kFrameMilliseconds = 110;

}  // namespace

CBusyAnimation::CBusyAnimation(QWidget* parent)
    : QLabel(parent), frames_(ArtLibrary::BusyFrames(32)) {
    setAlignment(Qt::AlignCenter);
    setFixedSize(40, 40);
    connect(&timer_, &QTimer::timeout, this,
            [this] { ShowFrame(frames_.empty() ? 0 : (frame_ + 1) % frames_.size()); });
    ShowFrame(0);
}

void CBusyAnimation::Play() {
    ShowFrame(0);
    timer_.start(kFrameMilliseconds);
}

void CBusyAnimation::Stop() {
    timer_.stop();
    ShowFrame(0);
}

void CBusyAnimation::ShowFrame(std::size_t frame) {
    frame_ = frame;
    if (frame_ < frames_.size()) {
        setPixmap(frames_[frame_]);
    }
}

}  // namespace gb::app::ui
