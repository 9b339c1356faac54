#pragma once
// A DrawingSurface that draws nothing and records every call, for tests of
// anything that draws. Its font metrics are fixed and simple, so that expected
// geometry can be worked out by hand:
//
//   em height  = emHeightForPoints(points, dpiY()), at least 1
//   line height = em height (also the height of textExtent, even of "")
//   width of a line of n characters = n × em height / 2, truncated
//
// Characters are UTF-8 code points; weight, italic and underline do not change
// the metrics. drawText breaks and places lines exactly as every surface does
// (render/text_layout.h) and returns their height.
//
// Each call is kept as a RecordedOp with the state in force when it was made
// (for state changes: the state after the change). dump() gives one text line
// per call for comparisons with reviewed expected output.

#include "render/drawing_surface.h"

#include <optional>
#include <string>
#include <vector>

namespace veltrano {

enum class OpKind {
    Save,
    Restore,
    SetFont,
    SetTextColour,
    SetBackgroundMode,
    SetBackgroundColour,
    SetPen,
    SetBrush,
    IntersectClip,
    ExcludeClip,
    DrawRect,
    DrawRoundRect,
    DrawEllipse,
    DrawLine,
    FillRect,
    FillGradient,
    DrawText,
    DrawPicture,
};

struct SurfaceState {
    FontSpec font;
    Colour textColour = kBlack;
    BackgroundMode backgroundMode = BackgroundMode::Transparent;
    Colour backgroundColour = kWhite;
    Pen pen = Pen::solid(kBlack);
    Brush brush = Brush::null();

    friend bool operator==(const SurfaceState&, const SurfaceState&) = default;
};

struct RecordedOp {
    OpKind kind = OpKind::Save;
    Rect rect;      // shape, clip, fill, text or picture destination rectangle
    Rect source;    // picture part
    Point from, to; // line ends
    Size corner;    // rounded-rectangle corners
    Colour colour;  // fillRect colour; gradient start
    Colour colour2; // gradient end
    bool vertical = false;
    std::string text; // drawText argument as passed
    TextFlags flags = TextLeft;
    std::int32_t result = 0; // height returned by drawText
    Size pictureSize;        // width() and height() of the picture drawn
    std::optional<Colour> transparent;
    SurfaceState state;
};

class RecordingSurface : public DrawingSurface {
  public:
    explicit RecordingSurface(int dpiX = 96, int dpiY = 96);

    const std::vector<RecordedOp>& ops() const { return ops_; }
    // The recorded calls of one kind, in order.
    std::vector<RecordedOp> opsOf(OpKind kind) const;
    void clear() { ops_.clear(); }
    // One line per call, each ending in "\n".
    std::string dump() const;
    // Current save depth (0 when every save was restored).
    int saveDepth() const { return static_cast<int>(saved_.size()); }
    const SurfaceState& state() const { return state_; }

    // The fixed metrics, for tests that compute expected geometry.
    std::int32_t emHeight(const FontSpec& font) const;
    std::int32_t lineWidth(const FontSpec& font, std::string_view text) const;

    int dpiX() const override { return dpiX_; }
    int dpiY() const override { return dpiY_; }
    void save() override;
    void restore() override;
    void setFont(const FontSpec& font) override;
    FontSpec font() const override { return state_.font; }
    void setTextColour(Colour colour) override;
    Colour textColour() const override { return state_.textColour; }
    void setBackgroundMode(BackgroundMode mode) override;
    void setBackgroundColour(Colour colour) override;
    void setPen(const Pen& pen) override;
    void setBrush(const Brush& brush) override;
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
    RecordedOp& record(OpKind kind);

    int dpiX_;
    int dpiY_;
    SurfaceState state_;
    std::vector<SurfaceState> saved_;
    std::vector<RecordedOp> ops_;
};

// A picture of a given size without pixels, for drawing tests.
class BlankPicture : public Picture {
  public:
    BlankPicture(int width, int height) : width_(width), height_(height) {}
    int width() const override { return width_; }
    int height() const override { return height_; }

  private:
    int width_;
    int height_;
};

// The text form of one recorded call, as dump() writes it (without "\n").
std::string describe(const RecordedOp& op);

} // namespace veltrano
