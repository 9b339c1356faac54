#pragma once
// Where the markup controls find their pictures: bitmap resources by number.
// The window layer answers with decoded pictures; tests answer with blank
// pictures of known sizes.

#include "render/drawing_surface.h"

#include <cstdint>

namespace veltrano {

// The colour left out when image strips and icons are drawn.
inline constexpr Colour kStripTransparent = rgb(128, 0, 128);

class PictureSource {
  public:
    virtual ~PictureSource() = default;
    // The bitmap resource of that number, or nullptr when it cannot be
    // loaded. The picture stays valid as long as the source lives.
    virtual const Picture* picture(int number) const = 0;
};

// A bitmap cut into images of one width, side by side from the left.
struct PictureStrip {
    const Picture* picture = nullptr;
    int imageWidth = 16; // pixels, at least 1 for a usable strip

    // The number of whole images; 0 without a picture.
    int count() const {
        return (picture != nullptr && imageWidth > 0) ? picture->width() / imageWidth : 0;
    }

    // Draws image `index` with its top left at `at`, the transparent colour
    // left out. Returns false (drawing nothing) when there is no such image.
    bool draw(DrawingSurface& surface, Point at, std::int32_t index) const {
        if (index < 0 || index >= count()) {
            return false;
        }
        const int height = picture->height();
        const int sourceLeft = index * imageWidth;
        surface.drawPictureRegion(*picture, Rect{at.x, at.y, at.x + imageWidth, at.y + height},
                                  Rect{sourceLeft, 0, sourceLeft + imageWidth, height},
                                  kStripTransparent);
        return true;
    }
};

// Adds two coordinates, keeping the result within ±kCoordinateLimit, so that
// huge numbers in markup (gaps, tab stops) can never overflow the layout.
inline constexpr std::int32_t kCoordinateLimit = 1 << 28;

constexpr std::int32_t clampCoordinate(std::int64_t value) {
    if (value > kCoordinateLimit) {
        return kCoordinateLimit;
    }
    if (value < -kCoordinateLimit) {
        return -kCoordinateLimit;
    }
    return static_cast<std::int32_t>(value);
}

constexpr std::int32_t addCoordinates(std::int64_t a, std::int64_t b) {
    return clampCoordinate(a + b);
}

} // namespace veltrano
