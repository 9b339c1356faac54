#pragma once
// Line breaking and placement of drawText, shared by every surface so that
// texts wrap the same way on screen, on paper and in the tests. Only the
// measuring of a line differs between surfaces.

#include "render/drawing_surface.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

// Number of characters (UTF-8 code points) of text; a byte that starts no
// valid sequence counts as one character.
std::size_t characterCount(std::string_view text);

// The first n characters of text, never cutting a character in two.
std::string_view firstCharacters(std::string_view text, std::size_t n);

// text as shown with mnemonic prefixes: "&&" becomes "&", any other "&" is
// dropped (it marks the next character, which is shown underlined).
std::string stripPrefixes(std::string_view text);

// One placed line: its text exactly as passed in (prefixes not yet removed),
// and the box it occupies.
struct PlacedLine {
    std::string_view text;
    Rect box;
};

struct TextPlacement {
    std::vector<PlacedLine> lines;
    std::int32_t height = 0; // lines × line height; 0 for an empty text
    Rect bounds;             // union of the line boxes; empty when there are none
};

// Width in device units of one line, without prefix handling.
using LineMeasure = std::function<std::int32_t(std::string_view)>;

// Breaks text into lines and places them in rect as the flags say (the
// alignment rules of DrawingSurface::drawText). Lines may reach outside rect;
// the surface cuts them off when drawing.
TextPlacement placeText(const Rect& rect, std::string_view text, TextFlags flags,
                        std::int32_t lineHeight, const LineMeasure& measure);

// Width of the widest word of text (words end at blanks and line breaks); 0 without words.
std::int32_t widestWordWidth(std::string_view text, const LineMeasure& measure);

// The longest start of text followed by "…" that is at most maxWidth wide, never cutting a
// character in two; text itself when it fits, just "…" when no character fits.
std::string cutWithEllipsis(std::string_view text, std::int32_t maxWidth,
                            const LineMeasure& measure);

// Small print stays readable down to this size; below it texts are not shrunk further.
constexpr std::int32_t kSmallestFittedPoints = 5;

// Sets on surface the largest size of font's face, from font.points down to minPoints, at
// which width (measured with surface's current font) is at most maxWidth; minPoints when
// none fits. Returns the font set.
FontSpec shrinkFontToFit(DrawingSurface& surface, FontSpec font, std::int32_t minPoints,
                         std::int32_t maxWidth, const std::function<std::int32_t()>& width);

} // namespace veltrano
