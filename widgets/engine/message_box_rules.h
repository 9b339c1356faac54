#pragma once
// The message box's decisions, apart from any window: which buttons a style word
// shows and what they answer, which one is the default, which symbol stands
// beside the text, how the button row is centred and how far the box grows for a
// long text. Style bits and results are those of core/message_presenter.h.

#include <array>
#include <string>
#include <string_view>

namespace veltrano {

// Control numbers of template 112 and its button slots 0, 1, 2.
inline constexpr int kMessageTextControl = 2000;
inline constexpr std::array<int, 3> kMessageButtonControls = {2010, 2011, 2009};
// The string numbers of the "yes" and "no" button texts.
inline constexpr int kYesTextId = 29029;
inline constexpr int kNoTextId = 29030;
// Symbols: bitmap 113, four 32-pixel images.
inline constexpr int kMessageSymbolBitmap = 113;
inline constexpr int kMessageSymbolWidth = 32;
// Pixels between neighbouring buttons of the row.
inline constexpr int kMessageButtonGap = 8;

struct MessageBoxButtons {
    // The result each slot's button answers; 0 = the slot's button is hidden.
    std::array<int, 3> results = {1, 0, 0};
    // Slots 0 and 1 carry the "yes" and "no" texts.
    bool yesNo = false;
    // The slot of the default button; always a shown one.
    int defaultSlot = 0;

    int shownCount() const { return (results[0] != 0) + (results[1] != 0) + (results[2] != 0); }
};

MessageBoxButtons messageBoxButtons(int style);

// The symbol image 0..3 for a style: 1 question (also the exclamation, whose bits
// include the question bit), 0 information, 2 stop, 3 none of these.
int messageBoxSymbol(int style);

// The text of the markup control: the symbol image, then the message indented by a
// tab so that every line, also after each "<br>", starts right of the symbol.
std::string messageBoxMarkup(int symbol, std::string_view message);

// Left edges of the shown buttons, `count` (1..3) buttons of `buttonWidth` centred
// in `clientWidth` with kMessageButtonGap between them. Unused entries are 0.
std::array<int, 3> messageButtonRow(int count, int buttonWidth, int clientWidth);

// How many pixels the box grows so that a text `textHeight` high fits into the
// markup control of `clientHeight`: 0 when it fits, at most 300 (then the text
// scrolls).
int messageBoxGrowth(int textHeight, int clientHeight);

} // namespace veltrano
