#include "setup/wizard/CPictureStatic.h"

namespace gb::setup::ui {

CPictureStatic::CPictureStatic(QWidget* parent) : QLabel(parent) {
    setAlignment(Qt::AlignCenter);
    setMinimumSize(48, 48);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void CPictureStatic::SetPicture(const QPixmap& picture) {
    picture_ = picture;
    Rescale();
}

void CPictureStatic::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    Rescale();
}

void CPictureStatic::Rescale() {
    if (picture_.isNull()) {
        clear();
        return;
    }
    setPixmap(
        picture_.scaled(contentsRect().size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

}  // namespace gb::setup::ui
