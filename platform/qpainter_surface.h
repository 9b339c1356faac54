#pragma once
// The DrawingSurface over a QPainter: screen widgets, printers, PDF files and
// images all draw through this one adapter.

#include "render/drawing_surface.h"

#include <QImage>

#include <vector>

class QPainter;

namespace veltrano {

// Maps the font faces the drawing code asks for onto installed fonts: "Arial"
// to the metric-compatible Liberation Sans, and the small dialog and grid faces
// "MS Sans Serif", "Ms Shell Dlg" and "Small Fonts" to a sans face that stays
// legible at 5 to 8 points. Call once before the first text is drawn (further
// calls change nothing).
void installFontSubstitutions();

// A picture whose pixels this surface can draw. width() and height() are the
// size the photo file declares; the pixels may be fewer (a photo decoded at
// the size it is shown) and are stretched over that size when drawn.
class QtPicture : public Picture {
  public:
    virtual const QImage& pixels() const = 0;
    // The part of the picture (in its reported coordinates) that the pixels
    // show: by default all of it.
    virtual Rect heldPart() const { return Rect{0, 0, width(), height()}; }
    // The same picture drawn at twice the resolution of pixels(), for devices
    // with more than one pixel per unit; nullptr when there is none.
    virtual const QImage* finePixels() const { return nullptr; }
};

// A QtPicture holding a QImage, by default reporting the image's own size.
class QImagePicture : public QtPicture {
  public:
    explicit QImagePicture(QImage image);
    QImagePicture(QImage image, int reportedWidth, int reportedHeight);
    // Pixels of only `part` of a picture of the reported size.
    QImagePicture(QImage image, int reportedWidth, int reportedHeight, const Rect& part);
    // A picture of image's size that has `fine` (twice as wide and high) for
    // finer devices; a `fine` of any other size is left out.
    QImagePicture(QImage image, QImage fine);
    int width() const override { return width_; }
    int height() const override { return height_; }
    const QImage& pixels() const override { return image_; }
    const QImage* finePixels() const override { return fine_.isNull() ? nullptr : &fine_; }
    Rect heldPart() const override { return part_; }

  private:
    QImage image_;
    QImage fine_;
    int width_;
    int height_;
    Rect part_;
};

// Draws on an active QPainter whose transformation is the identity, so that
// device units are the painter's logical pixels. On devices with more than one
// pixel per unit (screens at scale factors such as 1.5 or 2) rectangles,
// frames and straight lines keep to whole device pixels: each edge on the
// nearest pixel boundary and a line n units wide the nearest whole number of
// pixels thick, the same wherever it lies. Anti-aliasing is used for text and
// for ellipses and rounded corners only; rectangles and lines stay on whole
// pixels. Pictures are stretched without smoothing; a picture with finer pixels
// draws from them where the device has more than one pixel per unit, averaged
// where they must shrink or grow to the device. The painter's own state
// is saved at construction and restored at destruction.
class QPainterSurface : public DrawingSurface {
  public:
    // Dots per inch are those of the painter's device.
    explicit QPainterSurface(QPainter& painter);
    QPainterSurface(QPainter& painter, int dpiX, int dpiY);
    ~QPainterSurface() override;
    QPainterSurface(const QPainterSurface&) = delete;
    QPainterSurface& operator=(const QPainterSurface&) = delete;

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    void save() override;
    void restore() override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override { return state_.font; }
    void setTextColour(Colour colour) override { state_.textColour = colour; }
    Colour textColour() const override { return state_.textColour; }
    void setBackgroundMode(BackgroundMode mode) override { state_.backgroundMode = mode; }
    void setBackgroundColour(Colour colour) override { state_.backgroundColour = colour; }
    void setPen(const Pen& pen) override { state_.pen = pen; }
    void setBrush(const Brush& brush) override { state_.brush = brush; }
    void intersectClip(const Rect& rect) override;
    void excludeClip(const Rect& rect) override;
    void drawRect(const Rect& rect) override;
    void drawRoundRect(const Rect& rect, int cornerWidth, int cornerHeight) override;
    void drawEllipse(const Rect& rect) override;
    void drawLine(Point from, Point to) override;
    void fillRect(const Rect& rect, Colour colour) override;
    void fillGradient(const Rect& rect, Colour from, Colour to, bool vertical) override;
    Size textExtent(std::string_view text) const override;
    int drawText(const Rect& rect, std::string_view text, TextFlags flags,
                 Rect* bounds = nullptr) override;
    void drawPictureRegion(const Picture& picture, const Rect& dest, const Rect& source,
                           std::optional<Colour> transparent) override;

  private:
    struct State {
        FontSpec font;
        Colour textColour = kBlack;
        BackgroundMode backgroundMode = BackgroundMode::Transparent;
        Colour backgroundColour = kWhite;
        Pen pen = Pen::solid(kBlack);
        Brush brush = Brush::null();
    };

    void applyFont();
    void applyPenAndBrush(bool antialiased);
    // Device pixel geometry: the pixels of a rectangle (each edge on the
    // device pixel boundary nearest to it), the pixels of a line `units` thick
    // (at least one), and filling a rectangle given in device pixels.
    QRect deviceRect(const Rect& rect) const;
    int linePixels(int units) const;
    void fillDevicePixels(const QRect& pixels, const QColor& colour);

    QPainter& painter_;
    double ratio_; // device pixels per unit
    // Where unit 0 lies in device pixels: a widget at an odd position on a
    // screen of 1.5 pixels per unit starts in the middle of a pixel.
    double originX_ = 0;
    double originY_ = 0;
    int dpiX_;
    int dpiY_;
    State state_;
    std::vector<State> saved_;
};

} // namespace veltrano
