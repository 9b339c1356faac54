#pragma once
// The rich message engine: lays out and draws markup text (headings, bold and
// red text, tab stops, right tabs, gaps, rules, a highlight bar, images,
// bitmaps, button areas, web and mail links) onto a drawing surface.
//
// The engine keeps nothing between calls: it measures and draws from the text
// each time. All coordinates are device units of the surface.

#include "render/drawing_surface.h"
#include "widgets/engine/picture_source.h"

#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

// The face of both markup engines; the surface substitutes a similar one.
inline constexpr std::string_view kMarkupFace = "Ms Shell Dlg";

inline constexpr Colour kMarkupRed = rgb(224, 0, 0);
inline constexpr Colour kMarkupLinkBlue = rgb(0, 0, 255);
inline constexpr Colour kMarkupYellow = rgb(255, 255, 192);
inline constexpr int kHeadingPoints = 12;

// Clickable areas: at most kMaxAreas in all, and links are recognised only
// while fewer than kMaxLinkAreas areas exist (later links are plain words).
inline constexpr int kMaxAreas = 20;
inline constexpr int kMaxLinkAreas = 10;

enum class AreaKind : int { WebLink = 1, MailLink = 2, Button = 3 };

struct MarkupArea {
    Rect rect;
    AreaKind kind = AreaKind::Button;
    // For links, the address as drawn (a web word with its trailing blanks; a
    // mail word without "mailto:"); for buttons, the words drawn inside the
    // button joined by single blanks (what a screen reader says for it).
    std::string text;

    friend bool operator==(const MarkupArea&, const MarkupArea&) = default;
};

struct Insets {
    int left = 3;
    int top = 2;
    int right = 3;
    int bottom = 2;
};

// What the engine draws besides text. Pictures are borrowed, not owned.
struct RichTextSettings {
    Insets insets;
    Colour background = kWhite;
    PictureStrip images;                    // images of <imgN>
    const Picture* headerBitmap = nullptr;  // drawn by <hbmp>
    const PictureSource* bitmaps = nullptr; // bitmap resources of <bmpN>
};

// Lays `text` out in `rect` with the normal font of `pointSize` points and
// returns the bottom of the last line, y growing from rect's top (a rectangle
// with top 0 gives the height used). With measureOnly nothing is drawn and the
// background is not filled. `areas`, when given, receives the clickable areas
// of this layout (its old contents are replaced). The surface state is saved
// and restored around the call. Any text is taken: unknown tags are ignored,
// huge numbers are bounded, an unclosed tag ends the text with
// "[Syntax Error]".
int layoutRichText(DrawingSurface& surface, const Rect& rect, std::string_view text,
                   bool measureOnly, int pointSize, const RichTextSettings& settings,
                   std::vector<MarkupArea>* areas = nullptr);

// The base line height of a layout at `pointSize` points: the height of "Abq"
// in the normal font plus a quarter of it. The surface state is kept.
int richBaseHeight(DrawingSurface& surface, int pointSize);

} // namespace veltrano
