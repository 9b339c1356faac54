#include "render/photo_crop_edit.h"

#include <algorithm>
#include <cmath>

namespace veltrano {

namespace {

std::int32_t rounded(double value) {
    return static_cast<std::int32_t>(std::lround(value));
}

// A side of `length` starting near `start`, moved so that it lies in 0..kCropScale.
std::int32_t clampedStart(double start, std::int32_t length) {
    return std::clamp(rounded(start), 0, kCropScale - length);
}

} // namespace

PhotoCrop coverCrop(std::int32_t w, std::int32_t h, double aspect) {
    if (w <= 0 || h <= 0 || !(aspect > 0))
        return PhotoCrop{};
    const double photoAspect = static_cast<double>(w) / h;
    if (photoAspect > aspect) {
        // Wider than the area: full height, the middle of the width.
        const std::int32_t width = std::max(1, rounded(kCropScale * aspect / photoAspect));
        const std::int32_t left = (kCropScale - width) / 2;
        return PhotoCrop{left, 0, left + width, kCropScale};
    }
    const std::int32_t height = std::max(1, rounded(kCropScale * photoAspect / aspect));
    const std::int32_t top = (kCropScale - height) / 2;
    return PhotoCrop{0, top, kCropScale, top + height};
}

double cropZoom(const PhotoCrop& crop, const PhotoCrop& cover) {
    if (!crop.isSet() || !cover.isSet())
        return 1.0;
    return static_cast<double>(cover.right - cover.left) / (crop.right - crop.left);
}

PhotoCrop zoomCrop(const PhotoCrop& crop, const PhotoCrop& cover, double zoom, double anchorX,
                   double anchorY) {
    if (!cover.isSet())
        return crop;
    const PhotoCrop from = crop.isSet() ? crop : cover;
    zoom = std::clamp(zoom, 1.0, kMaxCropZoom);
    anchorX = std::clamp(anchorX, 0.0, 1.0);
    anchorY = std::clamp(anchorY, 0.0, 1.0);
    const std::int32_t width = std::max(1, rounded((cover.right - cover.left) / zoom));
    const std::int32_t height = std::max(1, rounded((cover.bottom - cover.top) / zoom));
    const double pointX = from.left + anchorX * (from.right - from.left);
    const double pointY = from.top + anchorY * (from.bottom - from.top);
    const std::int32_t left = clampedStart(pointX - anchorX * width, width);
    const std::int32_t top = clampedStart(pointY - anchorY * height, height);
    return PhotoCrop{left, top, left + width, top + height};
}

PhotoCrop panCrop(const PhotoCrop& crop, double dx, double dy) {
    if (!crop.isSet())
        return crop;
    const std::int32_t width = crop.right - crop.left;
    const std::int32_t height = crop.bottom - crop.top;
    const std::int32_t left = clampedStart(crop.left - dx * width, width);
    const std::int32_t top = clampedStart(crop.top - dy * height, height);
    return PhotoCrop{left, top, left + width, top + height};
}

} // namespace veltrano
