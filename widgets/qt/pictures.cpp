#include "widgets/qt/pictures.h"

#include <QHash>
#include <QMutex>

namespace veltrano {

namespace {

constexpr qreal kFineRatio = 2.0;

// The decoded file, kept once decoded: menus ask for their icons on every
// paint. QImage copies share their pixels.
QImage decodedPicture(const QString& path) {
    static QMutex mutex;
    static QHash<QString, QImage> decoded;
    const QMutexLocker lock(&mutex);
    auto found = decoded.find(path);
    if (found == decoded.end()) {
        found = decoded.insert(path, QImage(path));
    }
    return *found;
}

} // namespace

QImage resourcePicture(int number, qreal deviceRatio) {
    if (deviceRatio > 1.0) {
        QImage fine = decodedPicture(QStringLiteral(":/pictures/%1@2x.png").arg(number));
        if (!fine.isNull()) {
            fine.setDevicePixelRatio(kFineRatio);
            return fine;
        }
    }
    return decodedPicture(QStringLiteral(":/pictures/%1.png").arg(number));
}

QPixmap resourcePixmap(int number, int index, int imageWidth, qreal deviceRatio) {
    const QImage picture = resourcePicture(number, deviceRatio);
    const qreal ratio = picture.devicePixelRatio();
    const int width = qRound(imageWidth * ratio);
    if (picture.isNull() || index < 0 || width <= 0 || (index + 1) * width > picture.width()) {
        return {};
    }
    // copy() keeps the device pixel ratio, so the image keeps its logical size.
    return QPixmap::fromImage(picture.copy(index * width, 0, width, picture.height()));
}

QIcon resourceIcon(int number, int index, int imageWidth) {
    QIcon icon;
    for (const qreal ratio : {1.0, kFineRatio}) {
        const QPixmap pixmap = resourcePixmap(number, index, imageWidth, ratio);
        if (!pixmap.isNull()) {
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}

} // namespace veltrano
