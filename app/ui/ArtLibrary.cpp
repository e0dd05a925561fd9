#include "app/ui/ArtLibrary.h"

#include <QtCore/QHash>
#include <QtCore/QString>
#include <QtGui/QImage>

namespace gb::app::ui {

namespace {

// Picture `index` of a strip of square pictures of `size` pixels; each is cut
// once, as the list asks for its icons on every paint.
QPixmap Cut(const QString& strip, int size, int index) {
    static QHash<QString, QPixmap> pictures;
    const QString key = strip + QLatin1Char('#') + QString::number(index);
    if (const auto known = pictures.constFind(key); known != pictures.constEnd()) {
        return *known;
    }
    const QPixmap whole(QStringLiteral(":/art/") + strip);
    QPixmap picture;
    if (index >= 0 && (index + 1) * size <= whole.width()) {
        picture = whole.copy(index * size, 0, size, size);
    }
    pictures.insert(key, picture);
    return picture;
}

// The picture in grey and faint: the style's own greying leaves pictures that
// are grey already (the magnifier) looking as though they could be used.
QPixmap Faded(const QPixmap& picture) {
    constexpr int kPercentOpaque = 40;
    QImage image = picture.toImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grey = qGray(line[x]);
            line[x] = qRgba(grey, grey, grey, qAlpha(line[x]) * kPercentOpaque / 100);
        }
    }
    return QPixmap::fromImage(image);
}

QIcon IconOf(const QString& name, int index) {
    QIcon icon;
    for (int size : {16, 32}) {
        const QPixmap picture = Cut(QStringLiteral("%1-%2.png").arg(name).arg(size), size, index);
        icon.addPixmap(picture);
        icon.addPixmap(Faded(picture), QIcon::Disabled);
    }
    return icon;
}

}  // namespace

QIcon ArtLibrary::ToolbarIcon(int image) {
    return IconOf(QStringLiteral("toolbar"), image);
}

QIcon ArtLibrary::FolderIcon(int index) {
    return IconOf(QStringLiteral("tree"), index);
}

QPixmap ArtLibrary::ItemStatePixmap(int state, bool large) {
    const int size = large ? 32 : 16;
    return Cut(QStringLiteral("items-%1.png").arg(size), size, state);
}

std::vector<QPixmap> ArtLibrary::BusyFrames(int size) {
    std::vector<QPixmap> frames;
    for (int i = 0;; ++i) {
        QPixmap frame = Cut(QStringLiteral("busy-%1.png").arg(size), size, i);
        if (frame.isNull()) {
            return frames;
        }
        frames.push_back(frame);
    }
}

QIcon ArtLibrary::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 64}) {
        icon.addFile(QStringLiteral(":/art/lotkeeper-%1.png").arg(size));
    }
    return icon;
}

QPixmap ArtLibrary::ProfileIconPixmap() {
    return QPixmap(QStringLiteral(":/art/profile-32.png"));
}

QPixmap ArtLibrary::Splash() {
    return QPixmap(QStringLiteral(":/art/splash.png"));
}

QPixmap ArtLibrary::Logo() {
    return QPixmap(QStringLiteral(":/art/logo.png"));
}

}  // namespace gb::app::ui
