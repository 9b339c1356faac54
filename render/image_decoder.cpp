#include "render/image_decoder.h"

#include "core/strings.h"
#include "render/photo_crop_place.h"

#include <algorithm>
#include <cmath>

namespace veltrano {

DecodedImage ImageDecoder::decodePart(const std::string& path, Size box,
                                      const PhotoCrop& crop) const {
    return decode(path, decodeBoxForCrop(box, crop));
}

std::string photoProblemText(PhotoProblem problem) {
    switch (problem) {
    case PhotoProblem::NotFound:
        return loadString(29900);
    case PhotoProblem::Unreadable:
        return loadString(29901);
    case PhotoProblem::None:
        break;
    }
    return {};
}

Size decodedPixelSize(Size image, Size box) {
    if (image.width <= 0 || image.height <= 0) {
        return Size{};
    }
    if (box.width <= 0 || box.height <= 0 ||
        (box.width >= image.width && box.height >= image.height)) {
        return image;
    }
    const double scale = std::min(static_cast<double>(box.width) / image.width,
                                  static_cast<double>(box.height) / image.height);
    // Rounded up so that the image drawn at the fitted size never lacks a
    // pixel; the small tolerance keeps exact fits exact.
    auto side = [scale](std::int32_t length) {
        const double scaled = std::ceil(scale * length - 1e-6);
        return std::clamp(static_cast<std::int32_t>(scaled), std::int32_t{1}, length);
    };
    return Size{side(image.width), side(image.height)};
}

std::int32_t printPixels(std::int32_t deviceUnits, std::int32_t dpi) {
    if (deviceUnits <= 0) {
        return 0;
    }
    if (dpi <= kPrintPixelsPerInch) {
        return deviceUnits;
    }
    const std::int64_t pixels =
        (static_cast<std::int64_t>(deviceUnits) * kPrintPixelsPerInch + dpi - 1) / dpi;
    return static_cast<std::int32_t>(std::max<std::int64_t>(pixels, 1));
}

} // namespace veltrano
