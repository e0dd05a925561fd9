#include "app/ui/ArtLibrary.h"

#include <QtCore/QHash>
#include <QtCore/QString>

namespace ui {

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

QIcon IconOf(const QString& name, int index) {
    QIcon icon;
    for (int size : {16, 32}) {
        icon.addPixmap(Cut(QStringLiteral("%1-%2.png").arg(name).arg(size), size, index));
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

}  // namespace ui
