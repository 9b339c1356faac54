#pragma once
// How the widget set's owner-drawn controls look, drawn over DrawingSurface.
// The window layer gathers a control's state and calls one of these; the
// caption rules (prefixes, item data) live here too, so they can be checked
// without windows. All rectangles are in the control's client coordinates.

#include "render/drawing_surface.h"
#include "widgets/engine/dialog_builder.h"
#include "widgets/engine/picture_source.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano {

inline constexpr const char* kControlFace = "Ms Sans Serif";
inline constexpr int kControlPoints = 8;

// The mean of two colours, each part rounded down.
Colour meanColour(Colour a, Colour b);

// ---- push button (CNewButtonCtrl2) ----

// Caption prefixes, recognised only in this order: "<left>", "<big>", "<b>".
struct ButtonCaption {
    std::string text;
    bool left = false; // left-aligned instead of centred
    bool big = false;  // 10 points instead of 8
    bool bold = false;
};
ButtonCaption parseButtonCaption(std::string_view caption);

struct ButtonColours {
    Colour outline, face, text;
    Colour disabledOutline, disabledFace, disabledText;
    Colour hoverFrame, hoverText;
    Colour background; // link and new-style buttons
    Colour link, linkSecond;
    static ButtonColours fromPalette();
};

struct ButtonState {
    bool enabled = true;
    bool pressed = false;
    bool hover = false;
    bool focus = false;
    int image = -1; // image of the 16-pixel strip; -1 for none
    ButtonLook look = ButtonLook::Plain;
};

// `images` and `disabledImages` are the 16-pixel strip and its greyed
// rendering; either may be null (no image is then drawn).
void drawPushButton(DrawingSurface& surface, const Rect& client, std::string_view caption,
                    const ButtonColours& colours, const ButtonState& state,
                    const PictureStrip* images, const PictureStrip* disabledImages);

// ---- check box (CNewCheckBox) ----

inline constexpr int kCheckImageSize = 13;
inline constexpr Colour kCheckTransparent = rgb(255, 0, 255);

// The state after a click: 0 → 1 → 2 → 0 for a three-state box, else 0 ↔ 1.
int nextCheckState(int state, bool threeState);
// The image of a state: 0..2, or 3..5 when disabled.
int checkBoxImage(int state, bool enabled);

// Draws the box image at the top left and the caption 20 pixels right of the
// left edge. Without a strip of six 13×13 images the box is drawn in lines.
// With focus, the caption wears a frame in the text colour.
void drawCheckBox(DrawingSurface& surface, const Rect& client, std::string_view caption, int state,
                  bool enabled, Colour text, Colour background, const PictureStrip* images,
                  bool focus = false);

// ---- label and heading bar (CNewTextCtrl) ----

// Prefixes in this order: "<b>", then "<c>" or "<r>".
struct LabelCaption {
    std::string text;
    bool bold = false;
    bool centre = false;
    bool right = false;
};
LabelCaption parseLabelCaption(std::string_view caption);

struct LabelLook {
    Colour background = rgb(255, 255, 192);
    Colour text = kBlack;
    bool roundedTop = false;
    int points = kControlPoints;
    std::string face = kControlFace;
};
void drawTextCtrl(DrawingSurface& surface, const Rect& client, std::string_view caption,
                  const LabelLook& look);

// ---- combo box with images (CBitmapCombo) ----

inline constexpr int kComboItemHeight = 18;

constexpr std::uint32_t comboItemData(int value, int image) {
    return (static_cast<std::uint32_t>(value) << 8) | (static_cast<std::uint32_t>(image) & 0xFFu);
}
constexpr int comboItemValue(std::uint32_t data) {
    return static_cast<int>(static_cast<std::int32_t>(data) >> 8);
}
constexpr int comboItemImage(std::uint32_t data) {
    return static_cast<int>(data & 0xFFu);
}

// Text rules: every "<n>" removed; a leading "<tab>" removed, indenting by 8
// pixels; then a leading "<b>" removed, drawing bold.
struct ComboItemText {
    std::string text;
    int indent = 0;
    bool bold = false;
};
ComboItemText parseComboItemText(std::string_view text);

struct ComboColours {
    Colour window = kWhite;
    Colour windowText = kBlack;
    Colour buttonFace = rgb(240, 240, 240);
    Colour highlight = rgb(51, 153, 255);
    Colour highlightText = kWhite;
};

struct ComboItemState {
    bool enabled = true;
    bool selected = false;
    bool focus = false;
};

// One item in `item` (the item's rectangle). `images` may be null.
void drawComboItem(DrawingSurface& surface, const Rect& item, std::string_view text, int image,
                   const ComboItemState& state, const ComboColours& colours,
                   const PictureStrip* images);

// ---- the other members of the family ----

struct PanelLookColours {
    Colour background = kWhite;
    Colour text = kBlack;
    bool bold = false;
    bool multiLine = false;
    int icon = -1;
};
// The CTextWnd panel.
void drawTextWnd(DrawingSurface& surface, const Rect& client, std::string_view caption,
                 const PanelLookColours& look, const PictureStrip* images);

// A heading: "<h1>" large and bold over a rule, "<h2>" bold.
void drawHeadline(DrawingSurface& surface, const Rect& client, std::string_view caption,
                  bool firstLevel, Colour background, Colour text);

// A horizontal rule through the middle of the control.
void drawLineCtrl(DrawingSurface& surface, const Rect& client, Colour background, bool gray);

// A report list row: "<red>" at the start draws the text red, "<line>" draws
// a rule under the row; both are removed. `swatch` is an image of `images`
// drawn at the row's left (-1 for none). Cells are separated by tabs and
// placed at `columns` (left edges, at most 16).
struct ListRowLook {
    Colour background = kWhite;
    Colour text = kBlack;
    Colour selected = rgb(210, 220, 240);
    Colour rule = rgb(144, 160, 192);
};
void drawListRow(DrawingSurface& surface, const Rect& row, std::string_view text, int swatch,
                 bool selected, const int* columns, int columnCount, const ListRowLook& look,
                 const PictureStrip* images);

} // namespace veltrano
