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

} // namespace veltrano
