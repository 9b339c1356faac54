#pragma once
// The colour palette and the shared resource numbers of the program's widget
// set. One process-wide table each, read by every control as it draws, so
// that the whole widget set changes its look together.
//
// Roles of palette indices: 3 dialog frame, 4 dialog background, 5 dialog
// text, 6 dialog outline pen, 39/40 heading-bar background/text, 44 link
// colour, 45 second colour of link buttons, 50/59 background/text of panel
// headers, 58 rule colour of label separators. Index 53 reads as index 3
// until it has been set once.
//
// Shared resource numbers: 0 hand cursor, 1 check-box images, 3 bitmap of 16-pixel list images,
// 7 icon bitmap of icon labels (0 = none); the others as their users say.

#include "render/colour.h"

namespace veltrano {

inline constexpr int kPaletteSize = 60;
inline constexpr int kSharedResourceCount = 11;

inline constexpr int kPaletteDialogFrame = 3;
inline constexpr int kPaletteDialogBackground = 4;
inline constexpr int kPaletteDialogText = 5;
inline constexpr int kPaletteDialogOutline = 6;
inline constexpr int kPaletteHeadingBackground = 39;
inline constexpr int kPaletteHeadingText = 40;
inline constexpr int kPaletteLink = 44;
inline constexpr int kPaletteLinkSecond = 45;
inline constexpr int kPalettePanelBackground = 50;
inline constexpr int kPaletteFollowsFrame = 53;
inline constexpr int kPaletteRule = 58;
inline constexpr int kPalettePanelText = 59;

inline constexpr int kSharedHandCursor = 0;
inline constexpr int kSharedListImages = 3;
inline constexpr int kSharedIconBitmap = 7;

// The colour at index 0..59; white for any other index.
Colour paletteColour(int index);
// Stores a colour at index 0..59 and returns true; other indices change
// nothing and return false.
bool setPaletteColour(int index, Colour colour);

// The number at index 0..10; 0 for any other index.
int sharedResource(int index);
// Stores a number at index 0..10 and returns true; other indices are refused.
bool setSharedResource(int index, int value);

// The values the application sets once while it starts, before any window
// is made: the dialog and heading colours and the shared resource 6.
void applyStartupPalette();

// Back to the built-in values (index 53 following index 3 again); for tests.
void resetPalette();

} // namespace veltrano
