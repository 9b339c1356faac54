#include "render/photo_crop_place.h"

#include "render/photo_fit.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace veltrano {

namespace {

// position (0..kCropScale) along a side of `length` pixels, rounded to the nearest.
std::int32_t cropPixel(std::int32_t position, std::int32_t length) {
    return static_cast<std::int32_t>(
        (static_cast<std::int64_t>(position) * length + kCropScale / 2) / kCropScale);
}

std::int32_t grown(std::int32_t side, std::int32_t part) {
    const std::int64_t value = static_cast<std::int64_t>(side) * kCropScale / part;
    return static_cast<std::int32_t>(
        std::min<std::int64_t>(value, std::numeric_limits<std::int32_t>::max()));
}

} // namespace

Rect cropSourceRect(std::int32_t w, std::int32_t h, const PhotoCrop& crop) {
    Rect source{0, 0, w, h};
    if (crop.isSet() && w > 0 && h > 0) {
        source = Rect{cropPixel(crop.left, w), cropPixel(crop.top, h), cropPixel(crop.right, w),
                      cropPixel(crop.bottom, h)};
        // A part thinner than a pixel still shows one.
        if (source.width() == 0)
            source.right < w ? ++source.right : --source.left;
        if (source.height() == 0)
            source.bottom < h ? ++source.bottom : --source.top;
    }
    return source;
}

namespace {

// Where a chosen part goes in box: scaled by its own proportions, not by those
// of its pixels rounded to whole ones, and its sides rounded to the nearest
// unit rather than cut, so that a part chosen to fill a box fills it without a
// seam. A part thinner than a unit of box falls back to its (at least one)
// pixel, fitted as a whole photo is.
Rect partRect(const Rect& box, std::int32_t w, std::int32_t h, const PhotoCrop& crop,
              const Rect& source) {
    const double partW = static_cast<double>(w) * (crop.right - crop.left);
    const double partH = static_cast<double>(h) * (crop.bottom - crop.top);
    const double scale = std::min(box.width() / partW, box.height() / partH);
    const auto side = [scale](double length, std::int32_t boxSide) {
        return std::min(static_cast<std::int32_t>(std::lround(scale * length)), boxSide);
    };
    const std::int32_t width = side(partW, box.width());
    const std::int32_t height = side(partH, box.height());
    if (width <= 0 || height <= 0)
        return fitImageRect(box, source.width(), source.height());
    const std::int32_t left = box.left + (box.width() - width) / 2;
    const std::int32_t top = box.top + (box.height() - height) / 2;
    return Rect{left, top, left + width, top + height};
}

} // namespace

PhotoPlacement placePhoto(const Rect& box, std::int32_t w, std::int32_t h, const PhotoCrop& crop) {
    const Rect source = cropSourceRect(w, h, crop);
    if (w <= 0 || h <= 0 || box.isEmpty())
        return PhotoPlacement{};
    const Rect dest = crop.isSet() ? partRect(box, w, h, crop, source) : fitImageRect(box, w, h);
    if (dest.isEmpty())
        return PhotoPlacement{};
    return PhotoPlacement{dest, source};
}

Rect drawPlacedPhoto(DrawingSurface& surface, const Picture& picture, const Rect& box,
                     const PhotoCrop& crop) {
    const PhotoPlacement place = placePhoto(box, picture.width(), picture.height(), crop);
    if (!place.dest.isEmpty())
        surface.drawPictureRegion(picture, place.dest, place.source, std::nullopt);
    return place.dest;
}

Size decodeBoxForCrop(Size box, const PhotoCrop& crop) {
    if (!crop.isSet() || box.width <= 0 || box.height <= 0)
        return box;
    return Size{grown(box.width, crop.right - crop.left),
                grown(box.height, crop.bottom - crop.top)};
}

} // namespace veltrano
