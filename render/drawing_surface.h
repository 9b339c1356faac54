#pragma once
// The one drawing interface of the program. Page drawing, the markup engines
// and the owner-drawn controls draw through it; the screen, printers, PDF
// export and the recording surface of the tests implement it.
//
// Units: every coordinate is an integer device unit of the surface, y growing
// downwards. Fonts are given in points; a font of p points has an em height of
// emHeightForPoints(p, dpiY()) device units.
//
// The current state (font, text colour, text background, pen, brush, clipping)
// belongs to the surface and lasts until it is changed or restored; it is not
// shared between surfaces. A new surface starts with: font "Arial" 10 points
// regular, black text, transparent text background with white as its colour,
// the black pen one unit wide, no brush (shapes are not filled), no clipping.

#include "render/colour.h"
#include "render/geometry.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace veltrano {

// Em height in device units of a font of `points` points on an axis of `dpi`
// dots per inch, truncated toward zero.
constexpr std::int32_t emHeightForPoints(std::int32_t points, std::int32_t dpi) {
    return static_cast<std::int32_t>(static_cast<std::int64_t>(points) * dpi / 72);
}

inline constexpr int kWeightNormal = 400;
inline constexpr int kWeightBold = 700;

// A font description. The surface looks the face up when it draws; a face the
// system lacks is replaced by a similar installed one.
struct FontSpec {
    std::string face = "Arial";
    int points = 10;
    int weight = kWeightNormal; // 100..900; 400 regular, 700 bold
    bool italic = false;
    bool underline = false;

    FontSpec bold() const {
        FontSpec copy = *this;
        copy.weight = kWeightBold;
        return copy;
    }

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

enum class PenStyle { None, Solid };

// Outlines of shapes and lines. Width is in device units (at least 1 is drawn).
struct Pen {
    PenStyle style = PenStyle::Solid;
    Colour colour = kBlack;
    int width = 1;

    static constexpr Pen none() { return Pen{PenStyle::None, kBlack, 0}; }
    static constexpr Pen solid(Colour c, int w = 1) { return Pen{PenStyle::Solid, c, w}; }

    friend constexpr bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushStyle { Null, Solid };

// Interior of rectangles, rounded rectangles and ellipses. A null brush leaves
// the interior untouched.
struct Brush {
    BrushStyle style = BrushStyle::Null;
    Colour colour = kWhite;

    static constexpr Brush null() { return Brush{}; }
    static constexpr Brush solid(Colour c) { return Brush{BrushStyle::Solid, c}; }

    friend constexpr bool operator==(const Brush&, const Brush&) = default;
};

enum class BackgroundMode { Transparent, Opaque };

// How drawText places a text in its rectangle; combine with |.
enum TextFlags : unsigned {
    TextLeft = 0,
    TextCentre = 1u << 0,     // centred horizontally
    TextRight = 1u << 1,      // right-aligned
    TextVCentre = 1u << 2,    // centred vertically in the rectangle
    TextSingleLine = 1u << 3, // one line; CR and LF do not break it
    TextWordWrap = 1u << 4,   // break between words at the right edge, and at line breaks
    TextNoPrefix = 1u << 5,   // "&" is an ordinary character
    TextCalcRect = 1u << 6,   // measure only: nothing is drawn
};

constexpr TextFlags operator|(TextFlags a, TextFlags b) {
    return static_cast<TextFlags>(static_cast<unsigned>(a) | static_cast<unsigned>(b));
}

// A decoded image as the drawing code sees it: its size in pixels of the file
// it came from. The pixels are the surface's business (each platform surface
// knows the picture types its image decoder produces; others draw nothing).
class Picture {
  public:
    virtual ~Picture() = default;
    virtual int width() const = 0;
    virtual int height() const = 0;
};

class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;

    // Dots per inch of each axis (positive).
    virtual int dpiX() const = 0;
    virtual int dpiY() const = 0;

    // Saves the whole current state; restore() brings back the last saved
    // state. Saves nest. A restore() without a matching save() does nothing.
    virtual void save() = 0;
    virtual void restore() = 0;

    virtual void setFont(const FontSpec& font) = 0;
    virtual FontSpec font() const = 0;
    virtual void setTextColour(Colour colour) = 0;
    virtual Colour textColour() const = 0;
    // Opaque text fills the text's line boxes with the background colour first.
    virtual void setBackgroundMode(BackgroundMode mode) = 0;
    virtual void setBackgroundColour(Colour colour) = 0;
    virtual void setPen(const Pen& pen) = 0;
    virtual void setBrush(const Brush& brush) = 0;

    // Clipping, kept until restore(): further drawing stays inside `rect`, or
    // outside it.
    virtual void intersectClip(const Rect& rect) = 0;
    virtual void excludeClip(const Rect& rect) = 0;

    // Shapes are outlined with the pen, inside the rectangle (a one-unit pen
    // paints the columns left and right − 1 and the rows top and bottom − 1),
    // and filled with the brush. Empty or inverted rectangles draw nothing.
    virtual void drawRect(const Rect& rect) = 0;
    // Corners are quarter ellipses of cornerWidth × cornerHeight.
    virtual void drawRoundRect(const Rect& rect, int cornerWidth, int cornerHeight) = 0;
    // The ellipse inscribed in rect.
    virtual void drawEllipse(const Rect& rect) = 0;
    // A line with the pen from `from` up to, but not including, `to`.
    virtual void drawLine(Point from, Point to) = 0;
    // Fills rect with a colour, regardless of pen and brush.
    virtual void fillRect(const Rect& rect, Colour colour) = 0;
    // Fills rect with colours running evenly from `from` at the left (top,
    // when vertical) to `to` at the right (bottom).
    virtual void fillGradient(const Rect& rect, Colour from, Colour to, bool vertical) = 0;

    // Width and height of text on one line in the current font; no character
    // is special. The height is the font's line height, also for "".
    virtual Size textExtent(std::string_view text) const = 0;

    // Draws UTF-8 text into rect as `flags` say, cut off at rect's edges,
    // in the text colour and with the background mode. Without TextNoPrefix
    // "&x" draws x underlined and "&&" draws "&". Word wrapping breaks at
    // blanks and at line breaks (CR LF, LF); a word wider than the rectangle
    // stays whole on its own line and is cut. Returns the height of the text
    // (lines × line height); 0 for "". With TextCalcRect nothing is drawn.
    // When `bounds` is given it receives where the text lies (or would lie).
    virtual int drawText(const Rect& rect, std::string_view text, TextFlags flags,
                         Rect* bounds = nullptr) = 0;

    // Stretches the part `source` (in the picture's own pixel coordinates,
    // those of width() and height()) into dest, pixels repeated or dropped
    // without smoothing. Pixels of the colour `transparent`, when given, are
    // left out.
    virtual void drawPictureRegion(const Picture& picture, const Rect& dest, const Rect& source,
                                   std::optional<Colour> transparent) = 0;

    // The whole picture stretched into dest.
    void drawPicture(const Picture& picture, const Rect& dest) {
        drawPictureRegion(picture, dest, Rect{0, 0, picture.width(), picture.height()},
                          std::nullopt);
    }
};

} // namespace veltrano
