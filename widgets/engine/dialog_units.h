#pragma once
// Dialog geometry without a window: dialog units to pixels, and the rule by which
// a translated caption widens its control.
//
// A dialog's base units come from its font: the horizontal one is the average
// width of the letters A..Z and a..z, the vertical one the font's line height,
// both in pixels. One dialog unit is a quarter of the first across and an eighth
// of the second down.

#include "render/geometry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace veltrano {

struct DialogBaseUnits {
    int x = 6;  // average character width, pixels
    int y = 13; // character height, pixels
};

// The base units from the pixel width of "A..Za..z" (all 52 letters) and the
// line height, rounded as the dialog manager does.
DialogBaseUnits dialogBaseUnits(int alphabetWidth, int lineHeight);

// x * numerator / denominator, rounded to the nearest integer (halves away from 0).
int mulDivRound(int x, int numerator, int denominator);

int dialogUnitsToPixelsX(int units, DialogBaseUnits base);
int dialogUnitsToPixelsY(int units, DialogBaseUnits base);
// A rectangle given as left, top, width, height in dialog units, in pixels.
Rect dialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base);

// The caption with every tag that the widening measure leaves out removed:
// "<text>", "<html>", "<line>", "<strong>", "</strong>", "</big>", "<link>",
// "</link>".
std::string stripWideningTags(std::string_view caption);

// What decides whether a translated caption widens its control.
struct WideningInput {
    std::string_view templateCaption;
    std::string_view translatedCaption;
    int width = 0;  // control width in pixels
    int height = 0; // control height in pixels
    bool comboBox = false;
    bool checkBox = false;
    bool dialogFlag = false; // the dialog keeps its controls' sizes
};

// Space a check box needs for its box, in pixels.
inline constexpr int kCheckBoxAllowance = 15;
// Controls this high or higher are never widened.
inline constexpr int kWideningHeightLimit = 25;

// The control width after translation: wider when the translation is longer (in
// characters) than a non-empty template caption, the control is lower than 25
// pixels and no combo box, the dialog flag is off, and the measured text (tags
// removed, "0" added, 15 more for a check box) does not fit; else the width
// unchanged. `measure` gives a text's width in the dialog font.
int widenedControlWidth(const WideningInput& input,
                        const std::function<int(std::string_view)>& measure);

} // namespace veltrano
