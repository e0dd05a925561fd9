#include "setup/wizard/SetupArt.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>

namespace gb::setup::ui {

namespace {

constexpr int kSize = 96;

// A round badge in `color` with `draw` painting its sign in white.
template <typename Draw>
QPixmap Badge(const QColor& color, Draw draw) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color.darker(130), 3));
    painter.setBrush(color);
    painter.drawEllipse(QRectF(4, 4, kSize - 8, kSize - 8));
    painter.setPen(QPen(Qt::white, 9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(Qt::NoBrush);
    draw(painter);
    return pixmap;
}

}  // namespace

QPixmap PictureOf(SetupPicture picture) {
    switch (picture) {
        case SetupPicture::Logo:
            return QPixmap(QStringLiteral(":/setup/logo.png"));
        case SetupPicture::Wait:
            return Badge(QColor(0x3A, 0x6E, 0xB5), [](QPainter& painter) {
                painter.drawLine(QPointF(48, 48), QPointF(48, 24));
                painter.drawLine(QPointF(48, 48), QPointF(66, 58));
            });
        case SetupPicture::Success:
            return Badge(QColor(0x2E, 0x8B, 0x3E), [](QPainter& painter) {
                QPainterPath tick;
                tick.moveTo(27, 50);
                tick.lineTo(42, 65);
                tick.lineTo(70, 33);
                painter.drawPath(tick);
            });
        case SetupPicture::Problem:
            return Badge(QColor(0xC0, 0x39, 0x2B), [](QPainter& painter) {
                painter.drawLine(QPointF(48, 24), QPointF(48, 54));
                painter.drawPoint(QPointF(48, 70));
            });
    }
    return {};
}

}  // namespace gb::setup::ui
