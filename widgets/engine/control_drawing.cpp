#include "widgets/engine/control_drawing.h"

#include "widgets/engine/palette.h"

#include <algorithm>

namespace veltrano {
namespace {

// Removes `tag` from the front of `text` when it is there.
bool takePrefix(std::string& text, std::string_view tag) {
    if (!startsWithTag(text, tag)) {
        return false;
    }
    text.erase(0, tag.size());
    return true;
}

FontSpec controlFont(int points, bool bold, std::string_view face = kControlFace) {
    FontSpec font;
    font.face = std::string(face);
    font.points = points;
    font.weight = bold ? kWeightBold : kWeightNormal;
    return font;
}

void outline(DrawingSurface& surface, const Rect& rect, Colour colour) {
    surface.setPen(Pen::solid(colour));
    surface.setBrush(Brush::null());
    surface.drawRect(rect);
}

void drawButtonFrame(DrawingSurface& surface, Rect& area, const ButtonColours& colours,
                     const ButtonState& state) {
    const Colour face = state.enabled ? colours.face : colours.disabledFace;
    if (state.look == ButtonLook::Link) {
        surface.fillRect(area, colours.background);
        return;
    }
    surface.setPen(Pen::solid(state.enabled ? colours.outline : colours.disabledOutline));
    surface.setBrush(Brush::solid(state.look == ButtonLook::NewStyle ? colours.background : face));
    surface.drawRect(area);
    if (state.pressed) {
        surface.setPen(Pen::solid(rgb(190, 190, 190)));
        surface.drawLine(Point{area.right - 2, area.top + 1}, Point{area.left + 1, area.top + 1});
        surface.drawLine(Point{area.left + 1, area.top + 1}, Point{area.left + 1, area.bottom - 1});
        area = area.translated(1, 1);
    } else if (state.hover && state.enabled) {
        area = area.deflated(1);
        outline(surface, area, colours.hoverFrame);
        area = area.deflated(1);
        outline(surface, area, meanColour(colours.hoverFrame, face));
    }
}

Colour buttonTextColour(const ButtonColours& colours, const ButtonState& state) {
    if (!state.enabled) {
        return colours.disabledText;
    }
    if (state.look == ButtonLook::Link) {
        return state.hover ? colours.linkSecond : colours.link;
    }
    return state.hover ? colours.hoverText : colours.text;
}

// A box drawn in lines, for when the check-box pictures are missing.
void drawCheckSymbol(DrawingSurface& surface, int state, bool enabled) {
    const Colour ink = enabled ? paletteColour(25) : paletteColour(24);
    const Rect box{0, 0, kCheckImageSize, kCheckImageSize};
    surface.setPen(Pen::solid(ink));
    surface.setBrush(Brush::solid(enabled ? kWhite : paletteColour(23)));
    surface.drawRect(box);
    if (state == 1) {
        surface.setPen(Pen::solid(ink, 2));
        surface.drawLine(Point{3, 6}, Point{5, 9});
        surface.drawLine(Point{5, 9}, Point{10, 3});
    } else if (state == 2) {
        surface.fillRect(box.deflated(3), enabled ? paletteColour(3) : paletteColour(22));
    }
}

} // namespace

Colour meanColour(Colour a, Colour b) {
    return rgb((a.red + b.red) / 2, (a.green + b.green) / 2, (a.blue + b.blue) / 2);
}

ButtonCaption parseButtonCaption(std::string_view caption) {
    ButtonCaption result;
    result.text = std::string(caption);
    result.left = takePrefix(result.text, "<left>");
    result.big = takePrefix(result.text, "<big>");
    result.bold = takePrefix(result.text, "<b>");
    return result;
}

ButtonColours ButtonColours::fromPalette() {
    ButtonColours c;
    c.outline = paletteColour(25);
    c.face = paletteColour(20);
    c.text = paletteColour(21);
    c.disabledOutline = paletteColour(22);
    c.disabledFace = paletteColour(23);
    c.disabledText = paletteColour(24);
    c.hoverFrame = paletteColour(26);
    c.hoverText = paletteColour(27);
    c.background = paletteColour(kPaletteDialogBackground);
    c.link = paletteColour(kPaletteLink);
    c.linkSecond = paletteColour(kPaletteLinkSecond);
    return c;
}

void drawPushButton(DrawingSurface& surface, const Rect& client, std::string_view caption,
                    const ButtonColours& colours, const ButtonState& state,
                    const PictureStrip* images, const PictureStrip* disabledImages) {
    const ButtonCaption parsed = parseButtonCaption(caption);
    Rect area = client;
    surface.save();
    if (state.focus) {
        outline(surface, area, paletteColour(51));
        area = area.deflated(1);
    }
    drawButtonFrame(surface, area, colours, state);
    FontSpec font = controlFont(parsed.big ? 10 : kControlPoints, parsed.bold);
    font.underline = state.look == ButtonLook::Link;
    surface.setFont(font);
    Rect textArea = area;
    const PictureStrip* strip = state.enabled ? images : disabledImages;
    if (state.image >= 0 && strip != nullptr) {
        const int y = area.top + (area.height() - 16) / 2;
        int x = area.left + 4;
        if (parsed.left) {
            textArea.left += 24;
        } else {
            x = area.left + (area.width() - surface.textExtent(parsed.text).width) / 2 - 20;
        }
        strip->draw(surface, Point{x, y}, state.image);
    }
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setTextColour(buttonTextColour(colours, state));
    textArea.left += 4;
    textArea.right -= 4;
    surface.drawText(textArea, parsed.text,
                     TextSingleLine | TextVCentre | (parsed.left ? TextLeft : TextCentre));
    surface.restore();
}

int nextCheckState(int state, bool threeState) {
    if (threeState) {
        return state >= 0 && state < 2 ? state + 1 : 0;
    }
    return state == 0 ? 1 : 0;
}

int checkBoxImage(int state, bool enabled) {
    const int shown = std::clamp(state, 0, 2);
    return enabled ? shown : shown + 3;
}

void drawCheckBox(DrawingSurface& surface, const Rect& client, std::string_view caption, int state,
                  bool enabled, Colour text, Colour background, const PictureStrip* images,
                  bool focus) {
    surface.save();
    surface.fillRect(client, background);
    const int image = checkBoxImage(state, enabled);
    if (images == nullptr || images->count() < 6) {
        drawCheckSymbol(surface, std::clamp(state, 0, 2), enabled);
    } else {
        // The check-box pictures key out magenta, not the strips' purple.
        const int w = images->imageWidth;
        const int h = images->picture->height();
        surface.drawPictureRegion(*images->picture,
                                  Rect{client.left, client.top, client.left + w, client.top + h},
                                  Rect{image * w, 0, image * w + w, h}, kCheckTransparent);
    }
    surface.setFont(controlFont(kControlPoints, false));
    surface.setBackgroundMode(BackgroundMode::Opaque);
    surface.setBackgroundColour(background);
    surface.setTextColour(enabled ? text : paletteColour(24));
    const Rect textArea{client.left + 20, client.top, client.right,
                        client.top + std::max(kCheckImageSize, client.height())};
    surface.drawText(textArea, caption, TextSingleLine | TextNoPrefix | TextVCentre);
    if (focus)
        outline(surface, Rect{client.left + 18, client.top, client.right, client.bottom}, text);
    surface.restore();
}

LabelCaption parseLabelCaption(std::string_view caption) {
    LabelCaption result;
    result.text = std::string(caption);
    result.bold = takePrefix(result.text, "<b>");
    if (takePrefix(result.text, "<c>")) {
        result.centre = true;
    } else {
        result.right = takePrefix(result.text, "<r>");
    }
    return result;
}

void drawTextCtrl(DrawingSurface& surface, const Rect& client, std::string_view caption,
                  const LabelLook& look) {
    surface.save();
    surface.setPen(Pen::solid(look.background));
    surface.setBrush(Brush::solid(look.background));
    if (look.roundedTop) {
        surface.drawRoundRect(client, 5, 5);
        surface.drawRect(Rect{client.left, client.top + 6, client.right, client.bottom});
    } else {
        surface.drawRect(client);
    }
    const LabelCaption parsed = parseLabelCaption(caption);
    surface.setFont(controlFont(look.points, parsed.bold, look.face));
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setTextColour(look.text);
    TextFlags flags = TextNoPrefix;
    flags = flags | (parsed.centre ? TextCentre : parsed.right ? TextRight : TextLeft);
    if (surface.textExtent(parsed.text).width > client.width()) {
        flags = flags | TextWordWrap;
    } else {
        flags = flags | TextSingleLine;
        if (!parsed.centre && !parsed.right) {
            flags = flags | TextVCentre;
        }
    }
    surface.drawText(client, parsed.text, flags);
    surface.restore();
}

ComboItemText parseComboItemText(std::string_view text) {
    ComboItemText result;
    result.text.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        if (startsWithTag(text.substr(i), "<n>")) {
            i += 3;
        } else {
            result.text.push_back(text[i++]);
        }
    }
    if (takePrefix(result.text, "<tab>")) {
        result.indent = 8;
    }
    result.bold = takePrefix(result.text, "<b>");
    return result;
}

void drawComboItem(DrawingSurface& surface, const Rect& item, std::string_view text, int image,
                   const ComboItemState& state, const ComboColours& colours,
                   const PictureStrip* images) {
    surface.save();
    const bool highlighted = state.selected && state.enabled;
    const Colour background = highlighted ? colours.highlight : colours.window;
    Colour ink = highlighted ? colours.highlightText : colours.windowText;
    if (!state.enabled) {
        ink = rgb(128, 128, 128);
    }
    if (ink == background) {
        ink = rgb(192, 192, 192);
    }
    surface.fillRect(item, background);
    const bool withImages = images != nullptr;
    if (withImages) {
        const Rect cell{item.left, item.top, item.left + 18, item.bottom};
        surface.fillRect(cell, state.enabled ? colours.window : colours.buttonFace);
        images->draw(surface, Point{item.left + 1, item.top + (item.height() - 16) / 2}, image);
    }
    const ComboItemText parsed = parseComboItemText(text);
    surface.setFont(controlFont(kControlPoints, parsed.bold));
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setTextColour(ink);
    const Rect textArea{item.left + (withImages ? 18 : 8) + parsed.indent, item.top, item.right,
                        item.bottom};
    surface.drawText(textArea, parsed.text, TextSingleLine | TextVCentre | TextNoPrefix);
    if (state.focus) {
        outline(surface, Rect{item.left + (withImages ? 17 : 7), item.top, item.right, item.bottom},
                colours.windowText);
    }
    surface.restore();
}

void drawTextWnd(DrawingSurface& surface, const Rect& client, std::string_view caption,
                 const PanelLookColours& look, const PictureStrip* images) {
    surface.save();
    surface.fillRect(client, look.background);
    Rect area{client.left + 3, client.top + 1, client.right - 3, client.bottom - 1};
    if (look.icon >= 0 && images != nullptr) {
        images->draw(surface, Point{area.left, area.top + (area.height() - 16) / 2}, look.icon);
        area.left += 19;
    }
    if (!caption.empty()) {
        surface.setFont(controlFont(kControlPoints, look.bold));
        surface.setBackgroundMode(BackgroundMode::Transparent);
        surface.setTextColour(look.text);
        surface.drawText(area, caption,
                         TextNoPrefix |
                             (look.multiLine ? TextWordWrap : TextSingleLine | TextVCentre));
    }
    surface.restore();
}

void drawHeadline(DrawingSurface& surface, const Rect& client, std::string_view caption,
                  bool firstLevel, Colour background, Colour text) {
    surface.save();
    surface.fillRect(client, background);
    surface.setFont(controlFont(firstLevel ? 12 : 9, true));
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setTextColour(text);
    Rect area = client;
    area.bottom -= firstLevel ? 3 : 0;
    surface.drawText(area, caption, TextSingleLine | TextVCentre | TextNoPrefix);
    if (firstLevel) {
        surface.fillRect(Rect{client.left, client.bottom - 2, client.right, client.bottom},
                         paletteColour(kPaletteDialogFrame));
    }
    surface.restore();
}

void drawLineCtrl(DrawingSurface& surface, const Rect& client, Colour background, bool gray) {
    surface.fillRect(client, background);
    const int y = client.top + client.height() / 2;
    if (gray) {
        surface.fillRect(Rect{client.left, y, client.right, y + 1}, rgb(220, 220, 220));
        return;
    }
    // An etched rule: a shade of the background over a light line.
    const Colour shade =
        rgb(background.red * 3 / 4, background.green * 3 / 4, background.blue * 3 / 4);
    surface.fillRect(Rect{client.left, y, client.right, y + 1}, shade);
    surface.fillRect(Rect{client.left, y + 1, client.right, y + 2}, kWhite);
}

void drawListRow(DrawingSurface& surface, const Rect& row, std::string_view text, int swatch,
                 bool selected, const int* columns, int columnCount, const ListRowLook& look,
                 const PictureStrip* images) {
    std::string rest(text);
    bool red = false;
    bool rule = false;
    for (bool found = true; found;) {
        found = false;
        if (takePrefix(rest, "<red>")) {
            red = found = true;
        }
        if (takePrefix(rest, "<line>")) {
            rule = found = true;
        }
    }
    surface.save();
    surface.fillRect(row, selected ? look.selected : look.background);
    int left = row.left + 2;
    if (swatch >= 0 && images != nullptr) {
        images->draw(surface, Point{left, row.top + (row.height() - 16) / 2}, swatch);
        left += 20;
    }
    surface.setFont(controlFont(kControlPoints, false));
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setTextColour(red ? rgb(255, 0, 0) : look.text);
    const int count = std::clamp(columnCount, 0, 16);
    std::string_view cells = rest;
    for (int column = 0; !cells.empty() || column == 0; ++column) {
        const std::size_t tab = cells.find('\t');
        const std::string_view cell = cells.substr(0, tab);
        const int cellLeft =
            column == 0 ? left : (column < count ? row.left + columns[column] : -1);
        if (cellLeft < 0) {
            break;
        }
        const int cellRight = column + 1 < count ? row.left + columns[column + 1] : row.right;
        surface.drawText(Rect{cellLeft + 2, row.top, cellRight - 2, row.bottom}, cell,
                         TextSingleLine | TextVCentre | TextNoPrefix);
        cells = tab == std::string_view::npos ? std::string_view() : cells.substr(tab + 1);
    }
    if (rule) {
        surface.fillRect(Rect{row.left, row.bottom - 1, row.right, row.bottom}, look.rule);
    }
    surface.restore();
}

} // namespace veltrano
