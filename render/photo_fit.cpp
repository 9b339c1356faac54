#include "render/photo_fit.h"

#include <algorithm>

namespace veltrano {

namespace {

// A scaled length, truncated toward zero; the scale never makes it exceed the
// box side it was measured against, so it fits in 32 bits.
std::int32_t scaled(double scale, std::int32_t length) {
    return static_cast<std::int32_t>(scale * static_cast<double>(length));
}

} // namespace

Rect fitImageRect(const Rect& box, std::int32_t w, std::int32_t h) {
    if (w <= 0 || h <= 0 || box.isEmpty()) {
        return Rect{};
    }
    const std::int32_t boxWidth = box.width();
    const std::int32_t boxHeight = box.height();
    const double sx = static_cast<double>(boxWidth) / w;
    const double sy = static_cast<double>(boxHeight) / h;
    const double s = sy < sx ? sy : sx;
    const std::int32_t newH = scaled(s, h);
    const std::int32_t newW = scaled(s, w);
    Rect result{box.left, box.top, box.left + newW, box.top + newH};
    if (newW < boxWidth) {
        result.left = box.left + (boxWidth - newW) / 2;
        result.right = result.left + newW;
    }
    if (newH < boxHeight) {
        result.top = box.top + (boxHeight - newH) / 2;
        result.bottom = result.top + newH;
    }
    return result;
}

Rect previewImageRect(const Rect& client, std::int32_t w, std::int32_t h) {
    if (w <= 0 || h <= 0 || client.isEmpty()) {
        return Rect{};
    }
    const std::int32_t clientWidth = client.width();
    const std::int32_t clientHeight = client.height();
    const double sx = static_cast<double>(clientWidth) / w;
    const double sy = static_cast<double>(clientHeight) / h;
    std::int32_t shownW = w;
    std::int32_t shownH = h;
    if (sy >= sx && sx <= 1.0) {
        shownW = scaled(sx, w);
        shownH = scaled(sx, h);
    } else if (sy < sx && sy < 1.0) {
        shownW = scaled(sy, w);
        shownH = scaled(sy, h);
    }
    const std::int32_t x = std::max((clientWidth - shownW) / 2, 0);
    const std::int32_t y = std::max((clientHeight - shownH) / 2, 0);
    return Rect{client.left + x, client.top + y, client.left + x + shownW, client.top + y + shownH};
}

void drawPhotoPreview(DrawingSurface& surface, const Rect& client, const Picture* picture,
                      Colour background) {
    if (client.isEmpty()) {
        return;
    }
    surface.save();
    surface.setPen(Pen::solid(background));
    surface.setBrush(Brush::solid(background));
    surface.drawRect(client);
    if (picture != nullptr) {
        const Rect shown = previewImageRect(client, picture->width(), picture->height());
        if (!shown.isEmpty()) {
            surface.drawPicture(*picture, shown);
        }
    }
    surface.restore();
}

} // namespace veltrano
