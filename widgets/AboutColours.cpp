#include "widgets/AboutColours.h"

#include <QtGui/QPalette>
#include <QtWidgets/QLabel>

namespace gb::widgets {

namespace {

const QColor kLineBackground(255, 255, 0);
const QColor kLinkColour(0, 128, 0);

void SetColour(QWidget& widget, QPalette::ColorRole role, const QColor& colour) {
    QPalette palette = widget.palette();
    palette.setColor(role, colour);
    widget.setPalette(palette);
}

}  // namespace

void ShowOnYellow(QLabel& line) {
    line.setAutoFillBackground(true);
    SetColour(line, QPalette::Window, kLineBackground);
    // Black on yellow whatever the desktop's colours.
    SetColour(line, QPalette::WindowText, Qt::black);
}

void ColourAsMakerLink(QWidget& link) {
    SetColour(link, QPalette::WindowText, kLinkColour);
}

}  // namespace gb::widgets
