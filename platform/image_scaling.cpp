#include "platform/image_scaling.h"

namespace veltrano {

QImage shrunkTo(QImage image, Size wanted) {
    if (!image.isNull() && wanted.width > 0 && wanted.height > 0 &&
        image.size() != QSize(wanted.width, wanted.height)) {
        image = image.scaled(wanted.width, wanted.height, Qt::IgnoreAspectRatio,
                             Qt::SmoothTransformation);
    }
    return image;
}

} // namespace veltrano
