#include "widgets/qt/resource_pictures.h"

#include "resources/pictures/picture_numbers.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/pictures.h"

namespace veltrano {

namespace {

// The picture drawn at twice the resolution; null when there is none.
QImage finePicture(int number) {
    const QImage fine = resourcePicture(number, 2.0);
    return fine.devicePixelRatio() > 1.0 ? fine : QImage();
}

} // namespace

const Picture* ResourcePictureSource::picture(int number) const {
    auto found = pictures_.find(number);
    if (found == pictures_.end()) {
        QImage image = resourcePicture(number);
        std::unique_ptr<QImagePicture> picture;
        if (!image.isNull()) {
            picture = std::make_unique<QImagePicture>(std::move(image), finePicture(number));
        }
        found = pictures_.emplace(number, std::move(picture)).first;
    }
    return found->second.get();
}

const Picture* ResourcePictureSource::disabledPicture(int number) const {
    auto found = disabled_.find(number);
    if (found == disabled_.end()) {
        std::unique_ptr<QImagePicture> greyed;
        if (const auto* normal = static_cast<const QImagePicture*>(picture(number))) {
            const Colour key = kStripTransparent;
            const QRgb transparent = qRgb(key.red, key.green, key.blue);
            const QImage* fine = normal->finePixels();
            greyed = std::make_unique<QImagePicture>(
                greyedImage(normal->pixels(), transparent),
                fine != nullptr ? greyedImage(*fine, transparent) : QImage());
        }
        found = disabled_.emplace(number, std::move(greyed)).first;
    }
    return found->second.get();
}

const ResourcePictureSource& resourcePictures() {
    static const ResourcePictureSource source;
    return source;
}

QImage greyedImage(const QImage& image, QRgb transparent) {
    QImage result = image.convertToFormat(QImage::Format_RGB32);
    for (int y = 0; y < result.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            if ((line[x] & 0xFFFFFFu) == (transparent & 0xFFFFFFu)) {
                continue;
            }
            // Lightened grey, so disabled images recede like disabled text.
            const int grey = 128 + qGray(line[x]) / 2;
            line[x] = qRgb(grey, grey, grey);
        }
    }
    return result;
}

QCursor handCursor() {
    const int shared = sharedResource(kSharedHandCursor);
    const int number = shared != 0 ? shared : pictures::kHandCursor;
    const QImage image = resourcePicture(number);
    if (image.isNull()) {
        return QCursor(Qt::PointingHandCursor);
    }
    // The widget set's own hand points with its fingertip; other pictures
    // point with their top left corner.
    const bool own = number == pictures::kHandCursor;
    return QCursor(QPixmap::fromImage(image), own ? pictures::kHandHotSpotX : 0,
                   own ? pictures::kHandHotSpotY : 0);
}

} // namespace veltrano
