// Draws the main program's pictures: the toolbar buttons, the folder tree's
// images, the item state icons, the busy animation, the program's icons, the
// splash picture and the About box's logo. Every image is drawn on a 16-unit
// grid and rendered at 16 and at 32 pixels, so that lines fall on whole
// pixels at both sizes. Run with the output folder as its argument; the
// written PNG files are kept in resources/art/.

#include <QtGui/QGuiApplication>
#include <QtGui/QImage>
#include <QtGui/QLinearGradient>
#include <QtGui/QPainter>
#include <QtGui/QPainterPath>
#include <QtGui/QRadialGradient>

#include <cmath>
#include <functional>
#include <initializer_list>
#include <iostream>
#include <vector>

namespace {

using Draw = std::function<void(QPainter&)>;

namespace colour {
const QColor ink(0x3a, 0x3f, 0x47);
const QColor paper(0xff, 0xff, 0xff);
const QColor paperEdge(0x7a, 0x80, 0x8a);
const QColor folder(0xf2, 0xc1, 0x4e);
const QColor folderDark(0xb8, 0x8a, 0x24);
const QColor folderLight(0xfb, 0xdc, 0x8a);
const QColor blue(0x2f, 0x6f, 0xc0);
const QColor blueDark(0x1d, 0x4a, 0x87);
const QColor blueLight(0x9c, 0xc3, 0xf0);
const QColor green(0x34, 0x9a, 0x4b);
const QColor greenDark(0x1f, 0x6b, 0x31);
const QColor red(0xcc, 0x3d, 0x33);
const QColor redDark(0x8e, 0x23, 0x1c);
const QColor grey(0x9a, 0xa0, 0xa8);
const QColor greyDark(0x5f, 0x66, 0x70);
const QColor wood(0xa8, 0x6a, 0x32);
const QColor woodDark(0x6e, 0x41, 0x1b);
const QColor woodLight(0xd4, 0x9a, 0x5c);
const QColor gold(0xe8, 0xb3, 0x2e);
}  // namespace colour

// Outlines are one grid unit wide; a large picture drawn on the grid thins them.
qreal gLineScale = 1.0;

QPen Line(const QColor& c, qreal width = 1.0) {
    QPen pen(c, width * gLineScale);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// A rectangle whose 1-unit outline falls on whole pixels.
QRectF Box(qreal x, qreal y, qreal w, qreal h) {
    return QRectF(x + 0.5, y + 0.5, w - 1, h - 1);
}

// --- Shapes shared by several pictures ------------------------------------

// A closed outline through straight corners.
QPainterPath Outline(std::initializer_list<QPointF> corners) {
    QPainterPath path;
    path.moveTo(*corners.begin());
    for (auto corner = corners.begin() + 1; corner != corners.end(); ++corner) {
        path.lineTo(*corner);
    }
    path.closeSubpath();
    return path;
}

void Paper(QPainter& p, qreal x, qreal y, qreal w, qreal h) {
    const QRectF r = Box(x, y, w, h);
    const QPainterPath page = Outline({{r.left(), r.top()},
                                       {r.right() - 3, r.top()},
                                       {r.right(), r.top() + 3},
                                       {r.right(), r.bottom()},
                                       {r.left(), r.bottom()}});
    p.setPen(Line(colour::paperEdge));
    p.setBrush(colour::paper);
    p.drawPath(page);
    QPainterPath fold;
    fold.moveTo(r.right() - 3, r.top());
    fold.lineTo(r.right() - 3, r.top() + 3);
    fold.lineTo(r.right(), r.top() + 3);
    p.setBrush(QColor(0xe4, 0xe7, 0xec));
    p.drawPath(fold);
}

void TextLines(QPainter& p, qreal x, qreal y, qreal w, int lines, const QColor& c = colour::grey) {
    p.setPen(Line(c));
    for (int i = 0; i < lines; ++i) {
        p.drawLine(QPointF(x + 0.5, y + 0.5 + 2 * i), QPointF(x + w - 0.5, y + 0.5 + 2 * i));
    }
}

void FolderShape(QPainter& p, const QColor& body, const QColor& edge, const QColor& light,
                 bool open) {
    const QPainterPath back =
        Outline({{1.5, 3.5}, {6.0, 3.5}, {7.5, 5.0}, {14.5, 5.0}, {14.5, 13.5}, {1.5, 13.5}});
    p.setPen(Line(edge));
    p.setBrush(body.darker(110));
    p.drawPath(back);
    if (open) {
        const QPainterPath front = Outline({{3.5, 7.5}, {15.5, 7.5}, {13.5, 13.5}, {1.5, 13.5}});
        p.setBrush(light);
        p.drawPath(front);
    } else {
        p.setBrush(body);
        p.drawRect(QRectF(1.5, 6.5, 13, 7));
        p.setPen(Line(light));
        p.drawLine(QPointF(2.5, 7.5), QPointF(13.5, 7.5));
    }
}

void Globe(QPainter& p, qreal cx, qreal cy, qreal r, const QColor& sea, const QColor& edge) {
    QRadialGradient shine(cx - r / 3, cy - r / 3, r * 1.4);
    shine.setColorAt(0, sea.lighter(150));
    shine.setColorAt(1, sea);
    p.setPen(Line(edge));
    p.setBrush(shine);
    p.drawEllipse(QPointF(cx, cy), r, r);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(edge, 0.75));
    p.drawEllipse(QPointF(cx, cy), r * 0.45, r);
    p.drawLine(QPointF(cx - r, cy), QPointF(cx + r, cy));
    p.drawLine(QPointF(cx, cy - r), QPointF(cx, cy + r));
}

// A pencil slanted down to the right, its body `length` long, centred near (cx, cy).
void Pencil(QPainter& p, qreal cx, qreal cy, qreal length) {
    p.save();
    p.translate(cx, cy);
    p.rotate(45);
    p.setPen(Line(colour::woodDark));
    p.setBrush(colour::gold);
    p.drawRect(QRectF(-1.5, -5.5, 3, length));
    const qreal tipBase = -5.5 + length;
    QPolygonF point;
    point << QPointF(-1.5, tipBase) << QPointF(1.5, tipBase) << QPointF(0, tipBase + 3);
    p.setBrush(colour::woodLight);
    p.drawPolygon(point);
    p.restore();
}

void Magnifier(QPainter& p, qreal cx, qreal cy, qreal r) {
    p.setPen(QPen(colour::greyDark, 2.5, Qt::SolidLine, Qt::RoundCap));
    const qreal d = r * 0.72;
    p.drawLine(QPointF(cx + d, cy + d), QPointF(cx + d + r * 0.9, cy + d + r * 0.9));
    QRadialGradient glass(cx - r / 3, cy - r / 3, r * 1.5);
    glass.setColorAt(0, QColor(0xff, 0xff, 0xff));
    glass.setColorAt(1, colour::blueLight);
    p.setPen(Line(colour::ink));
    p.setBrush(glass);
    p.drawEllipse(QPointF(cx, cy), r, r);
}

void Arrow(QPainter& p, bool right, const QColor& fill, const QColor& edge) {
    const QPainterPath arrow =
        Outline({{2.5, 8}, {8, 2.5}, {8, 5.5}, {13.5, 5.5}, {13.5, 10.5}, {8, 10.5}, {8, 13.5}});
    p.save();
    if (right) {
        p.translate(16, 0);
        p.scale(-1, 1);
    }
    p.setPen(Line(edge));
    p.setBrush(fill);
    p.drawPath(arrow);
    p.restore();
}

void CircularArrows(QPainter& p, qreal cx, qreal cy, qreal r, const QColor& c) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, 2.0, Qt::SolidLine, Qt::FlatCap));
    const QRectF ring(cx - r, cy - r, 2 * r, 2 * r);
    p.drawArc(ring, 20 * 16, 140 * 16);
    p.drawArc(ring, 200 * 16, 140 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    auto head = [&](qreal angle) {
        const qreal a = angle * M_PI / 180.0;
        const QPointF tip(cx + r * std::cos(a), cy - r * std::sin(a));
        const QPointF along(-std::sin(a), -std::cos(a));  // clockwise tangent
        const QPointF out(std::cos(a), -std::sin(a));
        QPolygonF triangle;
        triangle << tip + along * 2.5 << tip + out * 2.2 << tip - out * 2.2;
        p.drawPolygon(triangle);
    };
    head(20);
    head(200);
}

void Gavel(QPainter& p, qreal angle, const QColor& head, const QColor& headDark) {
    // Drawn for a 16-unit box with the striking face near the lower left.
    p.save();
    p.translate(8, 8);
    p.rotate(angle);
    p.setPen(Line(colour::woodDark));
    p.setBrush(colour::woodLight);
    p.drawRoundedRect(QRectF(-1.0, -1.0, 9.5, 2.0), 0.8, 0.8);
    QLinearGradient g(QPointF(-5, -3), QPointF(-5, 3));
    g.setColorAt(0, head.lighter(130));
    g.setColorAt(1, head);
    p.setPen(Line(headDark));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(-5.5, -3.5, 5.0, 7.0), 1.0, 1.0);
    p.setPen(Line(headDark, 0.75));
    p.drawLine(QPointF(-5.0, -1.8), QPointF(-1.0, -1.8));
    p.drawLine(QPointF(-5.0, 1.8), QPointF(-1.0, 1.8));
    p.restore();
}

void Block(QPainter& p) {
    p.setPen(Line(colour::woodDark));
    p.setBrush(colour::wood);
    p.drawRoundedRect(QRectF(1.5, 12.5, 9, 2.5), 0.8, 0.8);
}

void Tag(QPainter& p, const QColor& fill, const QColor& edge) {
    const QPainterPath tag =
        Outline({{1.5, 6.5}, {6.5, 1.5}, {13.5, 1.5}, {13.5, 8.5}, {8.5, 13.5}, {1.5, 6.5}});
    // Rotate so the hole sits at the top right.
    p.setPen(Line(edge));
    p.setBrush(fill);
    p.drawPath(tag);
    p.setBrush(colour::paper);
    p.drawEllipse(QPointF(10.5, 4.5), 1.2, 1.2);
}

void Check(QPainter& p, qreal x, qreal y, qreal s, const QColor& c) {
    p.setPen(QPen(c, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    QPainterPath tick;
    tick.moveTo(x, y + s * 0.5);
    tick.lineTo(x + s * 0.38, y + s * 0.88);
    tick.lineTo(x + s, y);
    p.drawPath(tick);
}

// The badge of a store item: a small awning in the lower right corner.
void StoreBadge(QPainter& p) {
    p.setPen(Line(colour::blueDark));
    p.setBrush(colour::paper);
    p.drawRect(Box(9, 10, 7, 6));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 3; ++i) {
        p.setBrush(i % 2 == 0 ? colour::blue : colour::paper);
        p.drawRect(QRectF(9.5 + 2 * i, 10.5, 2, 2));
    }
    p.setPen(Line(colour::blueDark));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Box(9, 10, 7, 6));
    p.drawLine(QPointF(11.5, 13.5), QPointF(11.5, 15.5));
}

void Star(QPainter& p, qreal cx, qreal cy, qreal outer, const QColor& fill, const QColor& edge) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const qreal r = i % 2 == 0 ? outer : outer * 0.45;
        const qreal a = -M_PI / 2 + i * M_PI / 5;
        star << QPointF(cx + r * std::cos(a), cy + r * std::sin(a));
    }
    p.setPen(Line(edge));
    p.setBrush(fill);
    p.drawPolygon(star);
}

void Person(QPainter& p, qreal dx, const QColor& shirt, const QColor& edge) {
    p.setPen(Line(edge));
    p.setBrush(shirt);
    QPainterPath body;
    body.moveTo(2.5 + dx, 14.5);
    body.cubicTo(2.5 + dx, 9.5, 12.5 + dx, 9.5, 12.5 + dx, 14.5);
    body.closeSubpath();
    p.drawPath(body);
    p.setBrush(QColor(0xf3, 0xc9, 0xa0));
    p.setPen(Line(QColor(0xa8, 0x74, 0x48)));
    p.drawEllipse(QPointF(7.5 + dx, 5.5), 3.0, 3.0);
}

void Letter(QPainter& p, const QRectF& box, const QString& text, const QColor& c, int weight,
            qreal size) {
    QFont font("DejaVu Sans");
    // Sizes are given in grid units; a point is 4/3 of a unit on an image.
    font.setPointSizeF(size * 0.75);
    font.setWeight(static_cast<QFont::Weight>(weight));
    p.setFont(font);
    p.setPen(c);
    p.drawText(box, Qt::AlignCenter, text);
}

// --- The toolbar's pictures, in the order of its images -------------------

std::vector<Draw> ToolbarPictures() {
    return {
        // 0 Fee Schedule: a price tag with a percent sign.
        [](QPainter& p) {
            Tag(p, colour::gold, colour::folderDark);
            Letter(p, QRectF(2, 4, 10, 9), "%", colour::woodDark, 700, 6.5);
        },
        // 1 User Profile.
        [](QPainter& p) { Person(p, 0.5, colour::blue, colour::blueDark); },
        // 2 Calendar.
        [](QPainter& p) {
            p.setPen(Line(colour::paperEdge));
            p.setBrush(colour::paper);
            p.drawRect(Box(1, 2, 14, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(colour::red);
            p.drawRect(QRectF(1.5, 2.5, 13, 3));
            p.setBrush(colour::grey);
            for (int row = 0; row < 3; ++row) {
                for (int col = 0; col < 4; ++col) {
                    p.drawRect(QRectF(3 + 3 * col, 7 + 2.5 * row, 1.5, 1.5));
                }
            }
            p.setBrush(colour::blue);
            p.drawRect(QRectF(9, 9.5, 1.5, 1.5));
        },
        // 3 Report: a page with a bar chart.
        [](QPainter& p) {
            Paper(p, 2, 1, 12, 14);
            p.setPen(Qt::NoPen);
            p.setBrush(colour::blue);
            p.drawRect(QRectF(4, 9, 2, 4));
            p.setBrush(colour::green);
            p.drawRect(QRectF(7, 6, 2, 7));
            p.setBrush(colour::red);
            p.drawRect(QRectF(10, 8, 2, 5));
        },
        // 4 Instant Summary: a sigma on a note.
        [](QPainter& p) {
            p.setPen(Line(colour::folderDark));
            p.setBrush(colour::folderLight);
            p.drawRect(Box(1, 2, 14, 12));
            Letter(p, QRectF(1, 1, 14, 14), QString(QChar(0x03a3)), colour::blueDark, 700, 8.0);
        },
        // 5 Copy to Clipboard.
        [](QPainter& p) {
            p.setPen(Line(colour::woodDark));
            p.setBrush(colour::wood);
            p.drawRoundedRect(Box(2, 2, 12, 14), 1, 1);
            Paper(p, 4, 4, 8, 10);
            TextLines(p, 5, 7, 5, 3);
            p.setPen(Line(colour::greyDark));
            p.setBrush(colour::grey);
            p.drawRoundedRect(Box(5, 1, 6, 3), 0.8, 0.8);
        },
        // 6 Mail To: an envelope.
        [](QPainter& p) {
            p.setPen(Line(colour::paperEdge));
            p.setBrush(colour::paper);
            p.drawRect(Box(1, 3, 14, 10));
            p.setBrush(QColor(0xee, 0xf1, 0xf5));
            QPainterPath flap;
            flap.moveTo(1.5, 3.5);
            flap.lineTo(8, 9);
            flap.lineTo(14.5, 3.5);
            p.drawPath(flap);
            p.setPen(Line(colour::red));
            p.setBrush(colour::red);
            p.drawRect(QRectF(11, 10, 2, 1.5));
        },
        // 7 Edit Templates: a page with a pencil.
        [](QPainter& p) {
            Paper(p, 1, 1, 11, 14);
            TextLines(p, 3, 5, 6, 4);
            Pencil(p, 11, 9, 8);
        },
        // 8 Item Search: a magnifier.
        [](QPainter& p) { Magnifier(p, 6.5, 6.5, 4.5); },
        // 9 Update Database: a globe with turning arrows.
        [](QPainter& p) {
            Globe(p, 8, 8, 4.5, colour::blueLight, colour::blueDark);
            CircularArrows(p, 8, 8, 6.8, colour::green);
        },
        // 10 Edit Item(s): a tag with a pencil.
        [](QPainter& p) {
            Tag(p, colour::blueLight, colour::blueDark);
            Pencil(p, 10, 10, 7);
        },
        // 11 View Listing: a web page with a globe.
        [](QPainter& p) {
            p.setPen(Line(colour::paperEdge));
            p.setBrush(colour::paper);
            p.drawRect(Box(1, 1, 14, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(colour::blue);
            p.drawRect(QRectF(1.5, 1.5, 13, 2.5));
            TextLines(p, 3, 6, 4, 4);
            Globe(p, 10.5, 9.5, 3.5, colour::blueLight, colour::blueDark);
        },
        // 12 Export Items: a page with an arrow leaving it.
        [](QPainter& p) {
            Paper(p, 1, 1, 10, 14);
            TextLines(p, 3, 5, 5, 4);
            p.save();
            p.translate(6, 4);
            p.scale(0.65, 0.65);
            Arrow(p, true, colour::green, colour::greenDark);
            p.restore();
        },
        // 13 Exit: a door with an arrow.
        [](QPainter& p) {
            p.setPen(Line(colour::woodDark));
            p.setBrush(colour::woodLight);
            p.drawRect(Box(1, 1, 9, 14));
            p.setBrush(colour::wood);
            QPolygonF door;
            door << QPointF(1.5, 1.5) << QPointF(7.5, 3.5) << QPointF(7.5, 15.5)
                 << QPointF(1.5, 14.5);
            p.drawPolygon(door);
            p.save();
            p.translate(5, 3);
            p.scale(0.7, 0.7);
            Arrow(p, true, colour::red, colour::redDark);
            p.restore();
        },
        // 14 Back.
        [](QPainter& p) { Arrow(p, false, colour::green, colour::greenDark); },
        // 15 Next.
        [](QPainter& p) { Arrow(p, true, colour::green, colour::greenDark); },
        // 16 Stop: a red octagon.
        [](QPainter& p) {
            QPolygonF octagon;
            for (int i = 0; i < 8; ++i) {
                const qreal a = M_PI / 8 + i * M_PI / 4;
                octagon << QPointF(8 + 6.8 * std::cos(a), 8 + 6.8 * std::sin(a));
            }
            p.setPen(Line(colour::redDark));
            p.setBrush(colour::red);
            p.drawPolygon(octagon);
            p.setPen(QPen(colour::paper, 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(5.5, 5.5), QPointF(10.5, 10.5));
            p.drawLine(QPointF(10.5, 5.5), QPointF(5.5, 10.5));
        },
        // 17 Refresh: a page with turning arrows.
        [](QPainter& p) {
            Paper(p, 2, 1, 12, 14);
            CircularArrows(p, 8, 8.5, 3.8, colour::green);
        },
        // 18 Home: a house.
        [](QPainter& p) {
            p.setPen(Line(colour::redDark));
            p.setBrush(colour::red);
            QPolygonF roof;
            roof << QPointF(0.5, 8.0) << QPointF(8, 1.5) << QPointF(15.5, 8.0);
            p.drawPolygon(roof);
            p.setPen(Line(colour::woodDark));
            p.setBrush(colour::paper);
            p.drawRect(Box(3, 8, 10, 7));
            p.setBrush(colour::wood);
            p.drawRect(Box(7, 10, 3, 5));
        },
        // 19 Favorites: a star.
        [](QPainter& p) { Star(p, 8, 8.5, 7, colour::gold, colour::folderDark); },
        // 20 Fonts: a large and a small letter.
        [](QPainter& p) {
            Letter(p, QRectF(0, 0, 10, 15), "A", colour::ink, 700, 10.0);
            Letter(p, QRectF(7.5, 4, 9, 12), "a", colour::blue, 700, 8.0);
        },
        // 21 Search: a magnifier over a page.
        [](QPainter& p) {
            Paper(p, 1, 1, 10, 13);
            TextLines(p, 3, 4, 5, 3);
            Magnifier(p, 9, 9, 3.5);
        },
    };
}

// --- The folder tree's images (0 is never shown) ---------------------------

std::vector<Draw> TreePictures() {
    auto folderOf = [](bool open) {
        return [open](QPainter& p) {
            FolderShape(p, colour::folder, colour::folderDark, colour::folderLight, open);
        };
    };
    auto itemFolder = [](bool open) {
        return [open](QPainter& p) {
            FolderShape(p, colour::blueLight, colour::blueDark, QColor(0xd3, 0xe5, 0xfa), open);
            p.save();
            p.translate(open ? 5.5 : 5, open ? 8 : 7.5);
            p.scale(0.5, 0.5);
            Tag(p, colour::gold, colour::folderDark);
            p.restore();
        };
    };
    auto rootOf = [](bool open) {
        return [open](QPainter& p) {
            Block(p);
            Gavel(p, open ? -20 : -45, colour::wood, colour::woodDark);
        };
    };
    auto bin = [](bool open) {
        return [open](QPainter& p) {
            p.setPen(Line(colour::greyDark));
            p.setBrush(colour::grey);
            QPolygonF can;
            can << QPointF(3.5, 5.5) << QPointF(12.5, 5.5) << QPointF(11.5, 15.5)
                << QPointF(4.5, 15.5);
            p.drawPolygon(can);
            p.setPen(Line(colour::greyDark, 0.75));
            p.drawLine(QPointF(6.5, 7.5), QPointF(6.5, 13.5));
            p.drawLine(QPointF(9.5, 7.5), QPointF(9.5, 13.5));
            p.setPen(Line(colour::greyDark));
            p.setBrush(colour::grey.lighter(115));
            p.save();
            if (open) {
                p.translate(3, 4.5);
                p.rotate(-30);
                p.translate(-3, -4.5);
            }
            p.drawRect(Box(2, 3, 12, 2));
            p.drawRect(Box(6, 1, 4, 2));
            p.restore();
        };
    };
    auto globeOf = [](bool open) {
        return [open](QPainter& p) {
            Globe(p, 8, 8, 6.5, open ? colour::blueLight.lighter(110) : colour::blueLight,
                  colour::blueDark);
            if (open) {
                p.setPen(Line(colour::green, 1.2));
                p.setBrush(colour::green.lighter(130));
                p.drawEllipse(QPointF(6, 6), 2, 1.5);
            }
        };
    };
    auto search = [](bool open) {
        return [open](QPainter& p) {
            FolderShape(p, colour::folder, colour::folderDark, colour::folderLight, open);
            Magnifier(p, 9, 9, 3);
        };
    };
    auto book = [](bool open) {
        return [open](QPainter& p) {
            if (open) {
                p.setPen(Line(colour::blueDark));
                p.setBrush(colour::paper);
                QPainterPath left;
                left.moveTo(8, 4.5);
                left.cubicTo(6, 3, 3, 3, 0.5, 3.5);
                left.lineTo(0.5, 13.5);
                left.cubicTo(3, 13, 6, 13, 8, 14.5);
                left.closeSubpath();
                p.drawPath(left);
                QPainterPath right;
                right.moveTo(8, 4.5);
                right.cubicTo(10, 3, 13, 3, 15.5, 3.5);
                right.lineTo(15.5, 13.5);
                right.cubicTo(13, 13, 10, 13, 8, 14.5);
                right.closeSubpath();
                p.drawPath(right);
                TextLines(p, 2, 6, 4, 3, colour::blueLight);
                TextLines(p, 10, 6, 4, 3, colour::blueLight);
            } else {
                p.setPen(Line(colour::blueDark));
                p.setBrush(colour::blue);
                p.drawRoundedRect(Box(3, 1, 11, 14), 1, 1);
                p.setBrush(colour::paper);
                p.drawRect(Box(3, 12, 10, 3));
                p.setPen(Line(colour::paper));
                p.drawLine(QPointF(6.5, 4.5), QPointF(11.5, 4.5));
            }
        };
    };
    auto checkBox = [](bool set) {
        return [set](QPainter& p) {
            p.setPen(Line(colour::greyDark));
            p.setBrush(colour::paper);
            p.drawRect(Box(2, 2, 12, 12));
            if (set) {
                Check(p, 4.5, 5, 7, colour::green);
            }
        };
    };
    return {
        [](QPainter&) {},   // 0
        rootOf(false),      // 1 root
        rootOf(true),       // 2
        folderOf(false),    // 3 heading
        folderOf(true),     // 4
        itemFolder(false),  // 5 folder with items
        itemFolder(true),   // 6
        checkBox(false),    // 7 category not set
        checkBox(true),     // 8 category set
        bin(false),         // 9 Deleted Items
        bin(true),          // 10
        globeOf(false),     // 11 web site
        globeOf(true),      // 12
        search(false),      // 13 Search Results
        search(true),       // 14
        book(false),        // 15 user guide page
        book(true),         // 16
    };
}

// --- The item state icons (0 is never shown) -------------------------------

std::vector<Draw> ItemStatePictures() {
    auto running = [](QPainter& p) {
        p.setPen(Line(colour::blueDark));
        p.setBrush(colour::paper);
        p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
        p.setPen(QPen(colour::blue, 1.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 8), QPointF(8, 3.8));
        p.drawLine(QPointF(8, 8), QPointF(11, 9.5));
        p.setPen(Qt::NoPen);
        p.setBrush(colour::blueDark);
        p.drawEllipse(QPointF(8, 8), 1, 1);
    };
    auto unsold = [](QPainter& p) { Tag(p, colour::grey.lighter(125), colour::greyDark); };
    auto sold = [](QPainter& p) {
        Tag(p, colour::green.lighter(150), colour::greenDark);
        Check(p, 3.5, 5.5, 6.5, colour::greenDark);
    };
    auto archived = [](QPainter& p) {
        p.setPen(Line(colour::woodDark));
        p.setBrush(colour::woodLight);
        p.drawRect(Box(2, 6, 12, 9));
        p.setBrush(colour::wood);
        p.drawRect(Box(1, 3, 14, 4));
        p.setBrush(colour::paper);
        p.drawRect(Box(6, 8, 4, 2));
    };
    auto deleted = [](QPainter& p) {
        p.setPen(QPen(colour::redDark, 1.0));
        p.setBrush(colour::red);
        QPainterPath cross;
        cross.moveTo(3, 5);
        cross.lineTo(5, 3);
        cross.lineTo(8, 6);
        cross.lineTo(11, 3);
        cross.lineTo(13, 5);
        cross.lineTo(10, 8);
        cross.lineTo(13, 11);
        cross.lineTo(11, 13);
        cross.lineTo(8, 10);
        cross.lineTo(5, 13);
        cross.lineTo(3, 11);
        cross.lineTo(6, 8);
        cross.closeSubpath();
        p.drawPath(cross);
    };
    auto store = [](Draw base) {
        return [base](QPainter& p) {
            base(p);
            StoreBadge(p);
        };
    };
    return {
        [](QPainter&) {}, running,  store(running),  unsold,  store(unsold),  sold,
        store(sold),      archived, store(archived), deleted, store(deleted),
    };
}

// --- The busy animation: a gavel that rises and strikes -------------------

std::vector<Draw> AnimationFrames() {
    std::vector<Draw> frames;
    for (qreal angle : {-70.0, -58.0, -44.0, -30.0, -16.0, -4.0, -10.0, -30.0}) {
        frames.push_back([angle](QPainter& p) {
            Block(p);
            if (angle > -6.0) {
                p.setPen(Line(colour::gold, 0.9));
                p.drawLine(QPointF(1.0, 10.5), QPointF(0.0, 9.0));
                p.drawLine(QPointF(4.0, 10.5), QPointF(4.0, 8.5));
            }
            Gavel(p, angle, colour::wood, colour::woodDark);
        });
    }
    return frames;
}

// --- Program and profile icons, splash and logo ---------------------------

void ProgramIcon(QPainter& p) {
    QRadialGradient back(6, 5, 14);
    back.setColorAt(0, QColor(0x4a, 0x86, 0xd4));
    back.setColorAt(1, colour::blueDark);
    p.setPen(Line(colour::blueDark));
    p.setBrush(back);
    p.drawRoundedRect(Box(0, 0, 16, 16), 3, 3);
    Block(p);
    Gavel(p, -40, colour::woodLight, colour::woodDark);
}

void ProfileIcon(QPainter& p) {
    Paper(p, 2, 0, 12, 16);
    TextLines(p, 4, 3, 6, 2);
    p.save();
    p.translate(3, 6);
    p.scale(0.6, 0.6);
    Block(p);
    Gavel(p, -40, colour::wood, colour::woodDark);
    p.restore();
}

QImage Render(const Draw& draw, int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 16.0, size / 16.0);
    draw(p);
    return image;
}

QImage Strip(const std::vector<Draw>& pictures, int size) {
    QImage strip(size * static_cast<int>(pictures.size()), size,
                 QImage::Format_ARGB32_Premultiplied);
    strip.fill(Qt::transparent);
    QPainter p(&strip);
    for (std::size_t i = 0; i < pictures.size(); ++i) {
        p.drawImage(static_cast<int>(i) * size, 0, Render(pictures[i], size));
    }
    return strip;
}

QImage Splash() {
    const int width = 480;
    const int height = 280;
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, QColor(0x24, 0x4f, 0x8f));
    sky.setColorAt(1, QColor(0x0f, 0x25, 0x45));
    p.fillRect(image.rect(), sky);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 18));
    p.drawEllipse(QPointF(380, 40), 160, 160);
    p.drawEllipse(QPointF(420, 260), 110, 110);
    p.save();
    p.translate(322, 70);
    p.scale(9, 9);
    gLineScale = 0.3;
    Block(p);
    Gavel(p, -35, colour::woodLight, colour::woodDark);
    gLineScale = 1.0;
    p.restore();
    QFont title("DejaVu Serif");
    title.setPixelSize(50);
    title.setBold(true);
    p.setFont(title);
    p.setPen(QColor(0xff, 0xff, 0xff));
    p.drawText(QRectF(32, 70, 300, 60), Qt::AlignLeft | Qt::AlignVCenter, "Gavelbook");
    QFont subtitle("DejaVu Sans");
    subtitle.setPixelSize(15);
    p.setFont(subtitle);
    p.setPen(QColor(0xd6, 0xe4, 0xf7));
    p.drawText(QRectF(34, 130, 280, 26), Qt::AlignLeft | Qt::AlignVCenter,
               "Every lot, from listing to payment");
    p.setPen(QPen(colour::gold, 2));
    p.drawLine(QPointF(34, 166), QPointF(240, 166));
    QFont small("DejaVu Sans");
    small.setPixelSize(12);
    p.setFont(small);
    p.setPen(QColor(0xb8, 0xc8, 0xe0));
    p.drawText(QRectF(34, 236, 300, 20), Qt::AlignLeft | Qt::AlignVCenter,
               "Lotkeeper  \u00b7  Norvel Software");
    p.end();
    return image;
}

QImage Logo() {
    const int size = 96;
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 16.0, size / 16.0);
    ProgramIcon(p);
    p.end();
    return image;
}

bool Save(const QImage& image, const QString& folder, const QString& name) {
    const QString path = folder + "/" + name;
    if (!image.save(path, "PNG")) {
        std::cerr << "cannot write " << path.toStdString() << "\n";
        return false;
    }
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: draw-art OUTPUT-FOLDER\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    bool written = true;
    for (int size : {16, 32}) {
        const QString suffix = QString("-%1.png").arg(size);
        written &= Save(Strip(ToolbarPictures(), size), folder, "toolbar" + suffix);
        written &= Save(Strip(TreePictures(), size), folder, "tree" + suffix);
        written &= Save(Strip(ItemStatePictures(), size), folder, "items" + suffix);
        written &= Save(Strip(AnimationFrames(), size), folder, "busy" + suffix);
        written &= Save(Render(ProgramIcon, size), folder, "lotkeeper" + suffix);
        written &= Save(Render(ProfileIcon, size), folder, "profile" + suffix);
    }
    written &= Save(Render(ProgramIcon, 64), folder, "lotkeeper-64.png");
    written &= Save(Splash(), folder, "splash.png");
    written &= Save(Logo(), folder, "logo.png");
    return written ? 0 : 1;
}
