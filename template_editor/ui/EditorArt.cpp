#include "template_editor/ui/EditorArt.h"

#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QPixmap>

#include <functional>
#include <map>

#include "template_editor/core/EditorCommands.h"

namespace gb::editor {

namespace {

// Every picture is drawn on a 16 x 16 grid and scaled to the size asked for.
using Drawing = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 40);
const QColor kPaper(255, 255, 255);
const QColor kBlue(40, 90, 170);
const QColor kFolder(230, 190, 80);

void Page(QPainter& p, QRectF r) {
    p.setPen(QPen(kInk, 1));
    p.setBrush(kPaper);
    p.drawRect(r);
}

void Lines(QPainter& p, const std::initializer_list<std::pair<double, double>>& spans,
           double top = 3) {
    p.setPen(QPen(kInk, 1.2));
    double y = top;
    for (const auto& [from, to] : spans) {
        p.drawLine(QPointF(from, y), QPointF(to, y));
        y += 3;
    }
}

void Letter(QPainter& p, const QString& letter, bool bold, bool italic, bool underline) {
    QFont font(QStringLiteral("Serif"));
    font.setPixelSize(14);
    font.setBold(bold);
    font.setItalic(italic);
    font.setUnderline(underline);
    p.setFont(font);
    p.setPen(kInk);
    p.drawText(QRectF(0, 0, 16, 16), Qt::AlignCenter, letter);
}

void Arrow(QPainter& p, double y, bool right) {
    p.setPen(QPen(kBlue, 1.5));
    const double tip = right ? 6 : 1;
    const double tail = right ? 1 : 6;
    p.drawLine(QPointF(tail, y), QPointF(tip, y));
    const double back = right ? tip - 2.5 : tip + 2.5;
    p.drawLine(QPointF(tip, y), QPointF(back, y - 2.5));
    p.drawLine(QPointF(tip, y), QPointF(back, y + 2.5));
}

const std::map<int, Drawing>& Drawings() {
    static const std::map<int, Drawing> drawings{
        {cmd::New,
         [](QPainter& p) {
             QPainterPath path;
             path.moveTo(3, 1);
             path.lineTo(10, 1);
             path.lineTo(13, 4);
             path.lineTo(13, 15);
             path.lineTo(3, 15);
             path.closeSubpath();
             p.setPen(QPen(kInk, 1));
             p.setBrush(kPaper);
             p.drawPath(path);
             p.drawLine(QPointF(10, 1), QPointF(10, 4));
             p.drawLine(QPointF(10, 4), QPointF(13, 4));
         }},
        {cmd::Open,
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kFolder);
             p.drawRect(QRectF(1, 4, 13, 10));
             p.drawRect(QRectF(1, 2, 5, 2));
         }},
        {cmd::Save,
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(kBlue);
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(kPaper);
             p.drawRect(QRectF(4, 2, 8, 5));
             p.drawRect(QRectF(4.5, 10, 7, 4.5));
         }},
        {cmd::Undo,
         [](QPainter& p) {
             p.setPen(QPen(kBlue, 1.8));
             p.setBrush(Qt::NoBrush);
             p.drawArc(QRectF(4, 4, 10, 9), 90 * 16, -200 * 16);
             p.drawLine(QPointF(9, 4), QPointF(5, 1.5));
             p.drawLine(QPointF(9, 4), QPointF(5.5, 7));
         }},
        {cmd::Cut,
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1.3));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QRectF(1.5, 10, 5, 5));
             p.drawEllipse(QRectF(9.5, 10, 5, 5));
             p.drawLine(QPointF(5.5, 10.5), QPointF(11, 1));
             p.drawLine(QPointF(10.5, 10.5), QPointF(5, 1));
         }},
        {cmd::Copy,
         [](QPainter& p) {
             Page(p, QRectF(1.5, 1.5, 8, 10));
             Page(p, QRectF(6.5, 4.5, 8, 10));
         }},
        {cmd::Paste,
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(170, 120, 60));
             p.drawRect(QRectF(1.5, 2.5, 10, 12));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(4.5, 1, 4, 3));
             Page(p, QRectF(6.5, 6.5, 8, 8));
         }},
        {cmd::Outdent,
         [](QPainter& p) {
             Lines(p, {{1, 15}, {8, 15}, {8, 15}, {1, 15}});
             Arrow(p, 7.5, false);
         }},
        {cmd::Indent,
         [](QPainter& p) {
             Lines(p, {{1, 15}, {8, 15}, {8, 15}, {1, 15}});
             Arrow(p, 7.5, true);
         }},
        {cmd::Bold, [](QPainter& p) { Letter(p, QStringLiteral("B"), true, false, false); }},
        {cmd::Italic, [](QPainter& p) { Letter(p, QStringLiteral("I"), true, true, false); }},
        {cmd::Underline, [](QPainter& p) { Letter(p, QStringLiteral("U"), false, false, true); }},
        {cmd::Font,
         [](QPainter& p) {
             Letter(p, QStringLiteral("A"), true, false, false);
             p.setPen(QPen(QColor(200, 30, 30), 2));
             p.drawLine(QPointF(2, 15), QPointF(14, 15));
         }},
        {cmd::AlignLeft,
         [](QPainter& p) {
             Lines(p, {{1, 15}, {1, 10}, {1, 15}, {1, 10}});
         }},
        {cmd::Center,
         [](QPainter& p) {
             Lines(p, {{1, 15}, {4, 12}, {1, 15}, {4, 12}});
         }},
        {cmd::AlignRight,
         [](QPainter& p) {
             Lines(p, {{1, 15}, {6, 15}, {1, 15}, {6, 15}});
         }},
        {cmd::Bullets,
         [](QPainter& p) {
             Lines(p, {{6, 15}, {6, 15}, {6, 15}, {6, 15}});
             p.setPen(Qt::NoPen);
             p.setBrush(kBlue);
             for (double y = 3; y < 14; y += 3) {
                 p.drawEllipse(QPointF(2.5, y), 1.3, 1.3);
             }
         }},
        {cmd::Numbers,
         [](QPainter& p) {
             Lines(p, {{6, 15}, {6, 15}, {6, 15}, {6, 15}});
             p.setPen(QPen(kBlue, 1.2));
             for (double y = 3; y < 14; y += 3) {
                 p.drawLine(QPointF(3, y - 1.2), QPointF(3, y + 1.2));
             }
         }},
        {cmd::Image,
         [](QPainter& p) {
             p.setPen(QPen(kInk, 1));
             p.setBrush(QColor(190, 220, 250));
             p.drawRect(QRectF(1.5, 2.5, 13, 11));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(60, 150, 60));
             p.drawPolygon(QPolygonF({QPointF(2, 13), QPointF(7, 6), QPointF(11, 13)}));
             p.setBrush(QColor(240, 200, 40));
             p.drawEllipse(QPointF(11, 6), 1.8, 1.8);
         }},
        {cmd::Link,
         [](QPainter& p) {
             p.setPen(QPen(kBlue, 1.6));
             p.setBrush(Qt::NoBrush);
             p.drawRoundedRect(QRectF(1, 5, 8, 6), 3, 3);
             p.drawRoundedRect(QRectF(7, 5, 8, 6), 3, 3);
         }},
    };
    return drawings;
}

QPixmap Draw(const Drawing& drawing, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 16.0, size / 16.0);
    drawing(painter);
    return pixmap;
}

}  // namespace

QIcon EditorArt::CommandIcon(int id) {
    const auto found = Drawings().find(id);
    if (found == Drawings().end()) {
        return {};
    }
    QIcon icon;
    for (const int size : {16, 32}) {
        icon.addPixmap(Draw(found->second, size));
    }
    return icon;
}

}  // namespace gb::editor
