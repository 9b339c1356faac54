#pragma once
// Shared pieces of the owner-drawn controls: painting a widget through the
// DrawingSurface, colours between Qt and the drawing code, the image strips.

#include "platform/qpainter_surface.h"
#include "render/geometry.h"
#include "widgets/engine/palette.h"
#include "widgets/engine/picture_source.h"
#include "widgets/qt/resource_pictures.h"

#include <QColor>
#include <QPainter>
#include <QRect>
#include <QWidget>

#include <optional>

namespace veltrano {

inline QColor toQColor(Colour c) {
    return QColor(c.red, c.green, c.blue);
}
inline Colour fromQColor(const QColor& c) {
    return rgb(c.red(), c.green(), c.blue());
}
inline Rect clientRect(const QWidget* widget) {
    return Rect{0, 0, widget->width(), widget->height()};
}

// Paints `widget` with `draw(surface)`; call from paintEvent.
template <class Draw>
void paintThroughSurface(QWidget* widget, Draw&& draw) {
    QPainter painter(widget);
    QPainterSurface surface(painter);
    draw(surface);
}

// A strip of images cut from bitmap resource `number`; without the bitmap
// (or for number 0) the strip has no picture and draws nothing.
inline PictureStrip resourceStrip(int number, int imageWidth, bool disabled = false) {
    if (number == 0) {
        return PictureStrip{nullptr, imageWidth};
    }
    const ResourcePictureSource& source = resourcePictures();
    return PictureStrip{disabled ? source.disabledPicture(number) : source.picture(number),
                        imageWidth};
}

// The 16-pixel list image strip of shared resource 3.
inline PictureStrip listImageStrip(bool disabled = false) {
    return resourceStrip(sharedResource(kSharedListImages), 16, disabled);
}

// The strip when it has a picture, else nullptr, for the drawing functions.
inline const PictureStrip* usable(const PictureStrip& strip) {
    return strip.picture != nullptr ? &strip : nullptr;
}

} // namespace veltrano
