#include "platform/qpainter_surface.h"

#include "render/text_layout.h"

#include <QFont>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPaintDevice>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace veltrano {

namespace {

QColor toQColor(Colour c) {
    return QColor(c.red, c.green, c.blue);
}

QRect toQRect(const Rect& r) {
    return QRect(r.left, r.top, r.width(), r.height());
}

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int penWidth(const Pen& pen) {
    return pen.style == PenStyle::None ? 0 : std::max(pen.width, 1);
}

// The rectangle a shape's outline runs along: the outline of a pen n units
// wide lies inside the shape's rectangle, like the edges of a rectangle.
QRectF outlinePath(const Rect& r, int width) {
    const double half = width / 2.0;
    return QRectF(r.left + half, r.top + half, r.width() - width, r.height() - width);
}

// Pixels of the colour `key` become fully transparent.
QImage withoutColour(const QImage& image, Colour key) {
    QImage copy = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb keyRgb = qRgb(key.red, key.green, key.blue);
    for (int y = 0; y < copy.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x) {
            if ((line[x] & 0x00FFFFFFu) == (keyRgb & 0x00FFFFFFu)) {
                line[x] = 0;
            }
        }
    }
    return copy;
}

// Line metrics with the ascent and descent rounded up, as the original platform
// rounds them: accents on capitals ("Ä") then lie inside the line's box instead
// of one pixel above it, where the box's top edge would cut them off.
struct LineMetrics {
    int ascent;
    int height;
    int shift; // how far the text sits lower than Qt's own rounding puts it
};

LineMetrics lineMetrics(const QPainter& painter) {
    const QFontMetricsF exact(painter.font(), painter.device());
    const QFontMetrics rounded(painter.font(), painter.device());
    const int ascent = static_cast<int>(std::ceil(exact.ascent()));
    const int descent = static_cast<int>(std::ceil(exact.descent()));
    return LineMetrics{ascent, ascent + descent, std::max(0, ascent - rounded.ascent())};
}

} // namespace

void installFontSubstitutions() {
    static const bool installed = [] {
        QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
        const QStringList smallFaces = {QStringLiteral("DejaVu Sans"),
                                        QStringLiteral("Liberation Sans")};
        for (const char* face :
             {"MS Sans Serif", "Ms Shell Dlg", "Ms Shell Dlg 2", "Small Fonts"}) {
            QFont::insertSubstitutions(QString::fromLatin1(face), smallFaces);
        }
        return true;
    }();
    (void)installed;
}

QImagePicture::QImagePicture(QImage image)
    : image_(std::move(image)), width_(image_.width()),
      height_(image_.height()), part_{0, 0, width_, height_} {}

QImagePicture::QImagePicture(QImage image, int reportedWidth, int reportedHeight)
    : image_(std::move(image)), width_(reportedWidth),
      height_(reportedHeight), part_{0, 0, width_, height_} {}

QImagePicture::QImagePicture(QImage image, int reportedWidth, int reportedHeight, const Rect& part)
    : image_(std::move(image)), width_(reportedWidth), height_(reportedHeight), part_(part) {}

QImagePicture::QImagePicture(QImage image, QImage fine)
    : image_(std::move(image)), width_(image_.width()),
      height_(image_.height()), part_{0, 0, width_, height_} {
    if (fine.width() == 2 * width_ && fine.height() == 2 * height_) {
        fine_ = std::move(fine);
    }
}

QPainterSurface::QPainterSurface(QPainter& painter)
    : QPainterSurface(painter, painter.device() ? painter.device()->logicalDpiX() : 96,
                      painter.device() ? painter.device()->logicalDpiY() : 96) {}

QPainterSurface::QPainterSurface(QPainter& painter, int dpiX, int dpiY)
    : painter_(painter),
      ratio_(painter.device() ? std::max(painter.device()->devicePixelRatioF(), 1.0) : 1.0),
      dpiX_(std::max(dpiX, 1)), dpiY_(std::max(dpiY, 1)) {
    installFontSubstitutions();
    const QTransform toDevice = painter_.deviceTransform();
    if (toDevice.type() <= QTransform::TxScale && qFuzzyCompare(toDevice.m11(), ratio_) &&
        qFuzzyCompare(toDevice.m22(), ratio_)) {
        originX_ = toDevice.dx();
        originY_ = toDevice.dy();
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform, false);
    painter_.setRenderHint(QPainter::TextAntialiasing, true);
    applyFont();
}

QPainterSurface::~QPainterSurface() {
    for (std::size_t i = 0; i < saved_.size(); ++i) {
        painter_.restore();
    }
    painter_.restore();
}

void QPainterSurface::save() {
    saved_.push_back(state_);
    painter_.save();
}

void QPainterSurface::restore() {
    if (saved_.empty()) {
        return;
    }
    state_ = saved_.back();
    saved_.pop_back();
    painter_.restore();
}

void QPainterSurface::setFont(const FontSpec& font) {
    state_.font = font;
    applyFont();
}

void QPainterSurface::applyFont() {
    QFont font(toQString(state_.font.face));
    font.setPixelSize(std::max(emHeightForPoints(state_.font.points, dpiY_), 1));
    font.setWeight(static_cast<QFont::Weight>(std::clamp(state_.font.weight, 100, 900)));
    font.setItalic(state_.font.italic);
    font.setUnderline(state_.font.underline);
    painter_.setFont(font);
}

void QPainterSurface::applyPenAndBrush(bool antialiased) {
    painter_.setRenderHint(QPainter::Antialiasing, antialiased);
    const int width = penWidth(state_.pen);
    if (width == 0) {
        painter_.setPen(Qt::NoPen);
    } else {
        QPen pen(toQColor(state_.pen.colour));
        pen.setWidth(width);
        pen.setJoinStyle(Qt::MiterJoin);
        painter_.setPen(pen);
    }
    if (state_.brush.style == BrushStyle::Solid) {
        painter_.setBrush(toQColor(state_.brush.colour));
    } else {
        painter_.setBrush(Qt::NoBrush);
    }
}

void QPainterSurface::intersectClip(const Rect& rect) {
    painter_.setClipRect(toQRect(rect),
                         painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
}

void QPainterSurface::excludeClip(const Rect& rect) {
    QRegion region = painter_.hasClipping()
                         ? painter_.clipRegion()
                         : QRegion(0, 0, painter_.device()->width(), painter_.device()->height());
    painter_.setClipRegion(region.subtracted(QRegion(toQRect(rect))), Qt::ReplaceClip);
}

QRect QPainterSurface::deviceRect(const Rect& rect) const {
    const auto pixel = [this](int v, double origin) {
        return static_cast<int>(std::lround(origin + v * ratio_));
    };
    const int left = pixel(rect.left, originX_);
    const int top = pixel(rect.top, originY_);
    return QRect(left, top, pixel(rect.right, originX_) - left, pixel(rect.bottom, originY_) - top);
}

int QPainterSurface::linePixels(int units) const {
    return std::max(1, static_cast<int>(std::lround(units * ratio_)));
}

// The rectangle in units whose edges fall exactly on those device pixel
// boundaries, which the painter's own rounding then keeps.
void QPainterSurface::fillDevicePixels(const QRect& pixels, const QColor& colour) {
    if (pixels.isEmpty()) {
        return;
    }
    painter_.fillRect(QRectF((pixels.x() - originX_) / ratio_, (pixels.y() - originY_) / ratio_,
                             pixels.width() / ratio_, pixels.height() / ratio_),
                      colour);
}

// Filled and outlined on whole pixels: the interior in the brush, then the
// pen's width along each edge inside the rectangle, equally thick on all sides.
void QPainterSurface::drawRect(const Rect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    const int width = penWidth(state_.pen);
    const QRect outer = deviceRect(rect);
    const int line = width == 0 ? 0 : linePixels(width);
    if (state_.brush.style == BrushStyle::Solid) {
        fillDevicePixels(outer.adjusted(line, line, -line, -line), toQColor(state_.brush.colour));
    }
    if (width == 0) {
        return;
    }
    const QColor pen = toQColor(state_.pen.colour);
    const int w = std::min({line, outer.width(), outer.height()});
    fillDevicePixels(QRect(outer.left(), outer.top(), outer.width(), w), pen);
    fillDevicePixels(QRect(outer.left(), outer.bottom() + 1 - w, outer.width(), w), pen);
    fillDevicePixels(QRect(outer.left(), outer.top(), w, outer.height()), pen);
    fillDevicePixels(QRect(outer.right() + 1 - w, outer.top(), w, outer.height()), pen);
}

void QPainterSurface::drawRoundRect(const Rect& rect, int cornerWidth, int cornerHeight) {
    if (rect.isEmpty()) {
        return;
    }
    applyPenAndBrush(true);
    painter_.drawRoundedRect(outlinePath(rect, penWidth(state_.pen)), cornerWidth / 2.0,
                             cornerHeight / 2.0);
}

void QPainterSurface::drawEllipse(const Rect& rect) {
    if (rect.isEmpty()) {
        return;
    }
    applyPenAndBrush(true);
    painter_.drawEllipse(outlinePath(rect, penWidth(state_.pen)));
}

// The end point itself is left out, so that joined lines do not paint their
// shared points twice.
void QPainterSurface::drawLine(Point from, Point to) {
    const int width = penWidth(state_.pen);
    if (from == to || width == 0) {
        return;
    }
    if (from.x == to.x || from.y == to.y) {
        // Straight lines cover the same pixels as the painter's own square-
        // capped line on a device of one pixel per unit, as a fill, so that
        // on finer devices they cover whole pixels and meet the frames.
        const bool across = from.y == to.y;
        const int start = across ? from.x : from.y;
        const int end = across ? to.x : to.y;
        const int low = std::min(start, end < start ? end + 1 : start) - width / 2;
        const int high = std::max(start, end > start ? end - 1 : start) + 1 + (width - 1) / 2;
        const int side = (across ? from.y : from.x) - width / 2;
        const Rect line =
            across ? Rect{low, side, high, side + width} : Rect{side, low, side + width, high};
        const QRect outer = deviceRect(line);
        const int pixels = linePixels(width);
        fillDevicePixels(across ? QRect(outer.left(), outer.top(), outer.width(), pixels)
                                : QRect(outer.left(), outer.top(), pixels, outer.height()),
                         toQColor(state_.pen.colour));
        return;
    }
    applyPenAndBrush(false);
    const int dx = to.x - from.x;
    const int dy = to.y - from.y;
    const double steps = std::max(std::abs(dx), std::abs(dy));
    const QPointF last(to.x - dx / steps, to.y - dy / steps);
    painter_.drawLine(QPointF(from.x, from.y), last);
}

void QPainterSurface::fillRect(const Rect& rect, Colour colour) {
    if (!rect.isEmpty()) {
        fillDevicePixels(deviceRect(rect), toQColor(colour));
    }
}

void QPainterSurface::fillGradient(const Rect& rect, Colour from, Colour to, bool vertical) {
    if (rect.isEmpty()) {
        return;
    }
    const QPointF end = vertical ? QPointF(rect.left, rect.bottom) : QPointF(rect.right, rect.top);
    QLinearGradient gradient(QPointF(rect.left, rect.top), end);
    gradient.setColorAt(0, toQColor(from));
    gradient.setColorAt(1, toQColor(to));
    painter_.fillRect(toQRect(rect), gradient);
}

Size QPainterSurface::textExtent(std::string_view text) const {
    const QFontMetrics metrics = painter_.fontMetrics();
    return Size{metrics.horizontalAdvance(toQString(text)), lineMetrics(painter_).height};
}

int QPainterSurface::drawText(const Rect& rect, std::string_view text, TextFlags flags,
                              Rect* bounds) {
    const QFontMetrics metrics = painter_.fontMetrics();
    const LineMetrics fontLine = lineMetrics(painter_);
    const TextPlacement placement =
        placeText(rect, text, flags, fontLine.height, [&](std::string_view line) {
            return metrics.horizontalAdvance(toQString(line));
        });
    if (bounds != nullptr) {
        *bounds = placement.bounds;
    }
    if ((flags & TextCalcRect) || placement.lines.empty() || rect.isEmpty()) {
        return placement.height;
    }
    painter_.save();
    painter_.setClipRect(toQRect(rect),
                         painter_.hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);
    painter_.setPen(toQColor(state_.textColour));
    const int mnemonic = (flags & TextNoPrefix) ? 0 : Qt::TextShowMnemonic;
    for (const PlacedLine& line : placement.lines) {
        if (state_.backgroundMode == BackgroundMode::Opaque) {
            painter_.fillRect(toQRect(line.box), toQColor(state_.backgroundColour));
        }
        // Room beyond the measured width keeps overhanging glyphs whole; only
        // the text's rectangle cuts them.
        const QRect box(line.box.left, line.box.top + fontLine.shift,
                        line.box.width() + line.box.height(), line.box.height());
        painter_.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine | mnemonic,
                          toQString(line.text));
    }
    painter_.restore();
    return placement.height;
}

void QPainterSurface::drawPictureRegion(const Picture& picture, const Rect& dest,
                                        const Rect& source, std::optional<Colour> transparent) {
    const auto* qtPicture = dynamic_cast<const QtPicture*>(&picture);
    if (qtPicture == nullptr || dest.isEmpty() || source.isEmpty() || picture.width() <= 0 ||
        picture.height() <= 0 || qtPicture->pixels().isNull()) {
        return;
    }
    // On a device with more pixels than units the finer pixels show the
    // picture's lines sharp. Unless they meet the device pixel for pixel they
    // are averaged: dropping or repeating single pixels would make a picture's
    // thin lines uneven.
    const QImage* fine = ratio_ > 1.0 ? qtPicture->finePixels() : nullptr;
    const QImage& pixels = fine != nullptr ? *fine : qtPicture->pixels();
    // Source coordinates are in the picture's declared size; the pixels may
    // be fewer or more, and may show only a part of it.
    const Rect held = qtPicture->heldPart();
    if (held.isEmpty()) {
        return;
    }
    const double kx = static_cast<double>(pixels.width()) / held.width();
    const double ky = static_cast<double>(pixels.height()) / held.height();
    const QRectF from((source.left - held.left) * kx, (source.top - held.top) * ky,
                      source.width() * kx, source.height() * ky);
    painter_.setRenderHint(QPainter::SmoothPixmapTransform,
                           fine != nullptr && !qFuzzyCompare(ratio_, 2.0));
    if (transparent) {
        // Only the part drawn is keyed out: one image of a long strip at twice
        // the resolution would otherwise cost the whole strip on every draw.
        const QRect part = from.toAlignedRect().intersected(pixels.rect());
        painter_.drawImage(QRectF(toQRect(dest)), withoutColour(pixels.copy(part), *transparent),
                           from.translated(-part.topLeft()));
    } else {
        painter_.drawImage(QRectF(toQRect(dest)), pixels, from);
    }
}

} // namespace veltrano
