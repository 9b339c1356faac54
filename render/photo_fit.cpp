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

void drawPhotoProblem(DrawingSurface& surface, const Rect& box, const std::string& path,
                      PhotoProblem problem) {
    if (box.isEmpty()) {
        return;
    }
    const std::size_t slash = path.find_last_of('/');
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::string text = name + "\n" + photoProblemText(problem);
    surface.save();
    surface.setPen(Pen::solid(rgb(160, 160, 160)));
    surface.setBrush(Brush::solid(rgb(240, 240, 240)));
    surface.drawRect(box);
    surface.intersectClip(box);
    surface.setFont(FontSpec{"MS Sans Serif", 8});
    surface.setTextColour(rgb(96, 96, 96));
    surface.setBackgroundMode(BackgroundMode::Transparent);
    const Rect inner = box.deflated(3);
    constexpr TextFlags kFlags = static_cast<TextFlags>(TextCentre | TextWordWrap | TextNoPrefix);
    Rect measured = inner;
    const std::int32_t height =
        surface.drawText(measured, text, static_cast<TextFlags>(kFlags | TextCalcRect));
    Rect centred = inner;
    centred.top = inner.top + std::max(0, (inner.height() - height) / 2);
    surface.drawText(centred, text, kFlags);
    surface.restore();
}

} // namespace veltrano
