#include "widgets/engine/control_drawing.h"

#include "render/recording_surface.h"
#include "widgets/engine/palette.h"

#include <gtest/gtest.h>

#include <vector>

namespace veltrano {
namespace {

// The recording surface at 96 dpi: 8-point characters are 5 pixels wide.

TEST(ButtonCaption, PrefixesOnlyInTheirOrder) {
    struct Case {
        const char* caption;
        const char* text;
        bool left, big, bold;
    };
    const Case cases[] = {
        {"<big><b>Wort", "Wort", false, true, true},
        {"<b><big>Wort", "<big>Wort", false, false, true},
        {"<left><big><b>Wort", "Wort", true, true, true},
        {"<big><left>Wort", "<left>Wort", false, true, false},
        {"<LEFT>Wort", "Wort", true, false, false},
        {"<b>", "", false, false, true},
        {"Wort<b>", "Wort<b>", false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        const ButtonCaption parsed = parseButtonCaption(c.caption);
        EXPECT_EQ(parsed.text, c.text);
        EXPECT_EQ(parsed.left, c.left);
        EXPECT_EQ(parsed.big, c.big);
        EXPECT_EQ(parsed.bold, c.bold);
    }
}

class PushButtonDrawing : public ::testing::Test {
  protected:
    void SetUp() override { resetPalette(); }
    RecordingSurface surface;
    ButtonColours colours = ButtonColours::fromPalette();
    BlankPicture strip{160, 16};
    PictureStrip images{&strip, 16};
    const Rect client{0, 0, 100, 24};
};

TEST_F(PushButtonDrawing, BigBoldTextCentredInTheFace) {
    drawPushButton(surface, client, "<big><b>Wort", colours, ButtonState{}, nullptr, nullptr);
    const auto texts = surface.opsOf(OpKind::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text, "Wort");
    EXPECT_EQ(texts[0].state.font.points, 10);
    EXPECT_EQ(texts[0].state.font.weight, kWeightBold);
    EXPECT_EQ(texts[0].state.textColour, paletteColour(21));
    EXPECT_EQ(texts[0].rect, (Rect{4, 0, 96, 24}));
    EXPECT_TRUE(texts[0].flags & TextCentre);
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].state.pen.colour, paletteColour(25));
    EXPECT_EQ(rects[0].state.brush, Brush::solid(paletteColour(20)));
}

TEST_F(PushButtonDrawing, FocusOutlineThenShrunkFace) {
    ButtonState state;
    state.focus = true;
    drawPushButton(surface, client, "OK", colours, state, nullptr, nullptr);
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects[0].rect, client);
    EXPECT_EQ(rects[0].state.pen.colour, paletteColour(51));
    EXPECT_EQ(rects[0].state.brush, Brush::null());
    EXPECT_EQ(rects[1].rect, client.deflated(1));
}

TEST_F(PushButtonDrawing, HoverDrawsTwoFramesAndHoverText) {
    ButtonState state;
    state.hover = true;
    drawPushButton(surface, client, "OK", colours, state, nullptr, nullptr);
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 3u);
    EXPECT_EQ(rects[1].rect, client.deflated(1));
    EXPECT_EQ(rects[1].state.pen.colour, colours.hoverFrame);
    EXPECT_EQ(rects[2].rect, client.deflated(2));
    // (255,170,140) and (250,250,250) averaged, rounding down.
    EXPECT_EQ(rects[2].state.pen.colour, rgb(252, 210, 195));
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].state.textColour, colours.hoverText);
}

TEST_F(PushButtonDrawing, PressedDrawsShadowAndMovesContent) {
    ButtonState state;
    state.pressed = true;
    state.hover = true; // pressing wins over hovering
    drawPushButton(surface, client, "OK", colours, state, nullptr, nullptr);
    const auto lines = surface.opsOf(OpKind::DrawLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (Point{98, 1}));
    EXPECT_EQ(lines[0].to, (Point{1, 1}));
    EXPECT_EQ(lines[1].to, (Point{1, 23}));
    EXPECT_EQ(lines[0].state.pen.colour, rgb(190, 190, 190));
    EXPECT_EQ(surface.opsOf(OpKind::DrawRect).size(), 1u);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].rect, (Rect{5, 1, 97, 25}));
}

TEST_F(PushButtonDrawing, ImageBesideCentredOrLeftText) {
    ButtonState state;
    state.image = 3;
    drawPushButton(surface, client, "Wort", colours, state, &images, &images);
    auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    // Text 20 wide: (100 - 20) / 2 - 20 = 20; (24 - 16) / 2 = 4.
    EXPECT_EQ(pictures[0].rect, (Rect{20, 4, 36, 20}));
    EXPECT_EQ(pictures[0].source, (Rect{48, 0, 64, 16}));

    surface.clear();
    drawPushButton(surface, client, "<left>Wort", colours, state, &images, &images);
    pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect.left, 4);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].rect.left, 28);
}

TEST_F(PushButtonDrawing, DisabledColoursAndGreyedImages) {
    BlankPicture greyStrip{160, 16};
    PictureStrip greyed{&greyStrip, 16};
    ButtonState state;
    state.enabled = false;
    state.hover = true;
    state.image = 0;
    drawPushButton(surface, client, "OK", colours, state, &images, &greyed);
    EXPECT_EQ(surface.opsOf(OpKind::DrawRect).size(), 1u); // no hover frames
    EXPECT_EQ(surface.opsOf(OpKind::DrawRect)[0].state.pen.colour, colours.disabledOutline);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].state.textColour, colours.disabledText);
    EXPECT_EQ(surface.opsOf(OpKind::DrawPicture).size(), 1u);
}

TEST(CheckBox, StatesCycle) {
    EXPECT_EQ(nextCheckState(0, true), 1);
    EXPECT_EQ(nextCheckState(1, true), 2);
    EXPECT_EQ(nextCheckState(2, true), 0);
    EXPECT_EQ(nextCheckState(0, false), 1);
    EXPECT_EQ(nextCheckState(1, false), 0);
    EXPECT_EQ(nextCheckState(2, false), 0); // a stray third state on a two-state box
    EXPECT_EQ(checkBoxImage(1, false), 4);
    EXPECT_EQ(checkBoxImage(2, true), 2);
    EXPECT_EQ(checkBoxImage(0, false), 3);
}

TEST(CheckBox, DrawsImageAndCaption) {
    resetPalette();
    RecordingSurface surface;
    BlankPicture bitmap{78, 13};
    const PictureStrip images{&bitmap, 13};
    drawCheckBox(surface, Rect{0, 0, 120, 16}, "&Alle", 1, false, kBlack, rgb(210, 220, 240),
                 &images);
    const auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].source, (Rect{52, 0, 65, 13})); // image 4: checked, disabled
    EXPECT_EQ(pictures[0].rect, (Rect{0, 0, 13, 13}));
    EXPECT_EQ(pictures[0].transparent, rgb(255, 0, 255));
    const auto texts = surface.opsOf(OpKind::DrawText);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].rect.left, 20);
    EXPECT_EQ(texts[0].state.textColour, paletteColour(24));
    EXPECT_EQ(texts[0].state.backgroundMode, BackgroundMode::Opaque);
    EXPECT_EQ(texts[0].state.backgroundColour, rgb(210, 220, 240));
    EXPECT_TRUE(texts[0].flags & TextNoPrefix);
}

TEST(LabelCaption, PrefixOrderAndWrapRule) {
    struct Case {
        const char* caption;
        int width;
        const char* text;
        bool bold;
        unsigned flags;
    };
    const unsigned single = TextSingleLine | TextNoPrefix;
    const Case cases[] = {
        {"<c><b>Wort", 200, "<b>Wort", false, single | TextCentre},
        {"<b><c>Wort", 200, "Wort", true, single | TextCentre},
        {"<b><r>Wort", 200, "Wort", true, single | TextRight},
        {"Wort", 200, "Wort", false, single | TextVCentre},
        // 40 characters are 200 pixels: wider than 100, so wrapped.
        {"<c>aaaa aaaa aaaa aaaa aaaa aaaa aaaa aaa", 100, "aaaa aaaa aaaa aaaa aaaa aaaa aaaa aaa",
         false, TextWordWrap | TextNoPrefix | TextCentre},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        RecordingSurface surface;
        drawTextCtrl(surface, Rect{0, 0, c.width, 20}, c.caption, LabelLook{});
        const auto texts = surface.opsOf(OpKind::DrawText);
        ASSERT_EQ(texts.size(), 1u);
        EXPECT_EQ(texts[0].text, c.text);
        EXPECT_EQ(texts[0].state.font.weight == kWeightBold, c.bold);
        EXPECT_EQ(static_cast<unsigned>(texts[0].flags), c.flags);
        EXPECT_EQ(texts[0].state.textColour, kBlack);
    }
}

TEST(LabelCaption, RoundedTopKeepsBottomCornersSquare) {
    RecordingSurface surface;
    LabelLook look;
    look.roundedTop = true;
    look.background = rgb(65, 72, 82);
    drawTextCtrl(surface, Rect{0, 0, 80, 20}, "", look);
    const auto round = surface.opsOf(OpKind::DrawRoundRect);
    ASSERT_EQ(round.size(), 1u);
    EXPECT_EQ(round[0].corner, (Size{5, 5}));
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{0, 6, 80, 20}));
    EXPECT_EQ(rects[0].state.brush, Brush::solid(look.background));
}

TEST(ComboItem, DataPacksValueAndImage) {
    EXPECT_EQ(comboItemData(3, 5), 0x0305u);
    EXPECT_EQ(comboItemValue(0x0305), 3);
    EXPECT_EQ(comboItemImage(0x0305), 5);
    EXPECT_EQ(comboItemData(1, 0x1FF), 0x1FFu); // the image keeps its low 8 bits
    EXPECT_EQ(comboItemValue(comboItemData(-2, 7)), -2);
    EXPECT_EQ(comboItemImage(comboItemData(-2, 7)), 7);
}

TEST(ComboItem, TextRules) {
    struct Case {
        const char* text;
        const char* shown;
        int indent;
        bool bold;
    };
    const Case cases[] = {
        {"<tab><b>Fett<n>", "Fett", 8, true},
        {"<b><tab>x", "<tab>x", 0, true},
        {"a<n>b<N>c", "abc", 0, false},
        {"<n><tab>x", "x", 8, false},
        {"<tab>", "", 8, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const ComboItemText parsed = parseComboItemText(c.text);
        EXPECT_EQ(parsed.text, c.shown);
        EXPECT_EQ(parsed.indent, c.indent);
        EXPECT_EQ(parsed.bold, c.bold);
    }
}

TEST(ComboItem, DrawsImageCellTextAndFocus) {
    RecordingSurface surface;
    BlankPicture bitmap{160, 16};
    const PictureStrip images{&bitmap, 16};
    ComboItemState state;
    state.focus = true;
    ComboColours colours;
    drawComboItem(surface, Rect{0, 18, 150, 36}, "<tab>Rot", 5, state, colours, &images);
    const auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].source.left, 80);
    EXPECT_EQ(pictures[0].rect.top, 19);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].rect.left, 26);
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect.left, 17);

    surface.clear();
    colours.window = kBlack; // text would vanish on its background
    state.focus = false;
    drawComboItem(surface, Rect{0, 0, 150, 18}, "x", 0, state, colours, nullptr);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].rect.left, 8);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].state.textColour, rgb(192, 192, 192));

    surface.clear();
    state.enabled = false;
    state.selected = true;
    drawComboItem(surface, Rect{0, 0, 150, 18}, "x", 0, state, ComboColours{}, nullptr);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText)[0].state.textColour, rgb(128, 128, 128));
}

TEST(ListRow, MarkupColumnsAndSwatch) {
    RecordingSurface surface;
    BlankPicture bitmap{160, 16};
    const PictureStrip images{&bitmap, 16};
    const int columns[] = {0, 60, 120};
    ListRowLook look;
    drawListRow(surface, Rect{0, 0, 200, 18}, "<line><red>1.5.\tMai\tFeiertag", 2, false, columns,
                3, look, &images);
    const auto texts = surface.opsOf(OpKind::DrawText);
    ASSERT_EQ(texts.size(), 3u);
    EXPECT_EQ(texts[0].text, "1.5.");
    EXPECT_EQ(texts[0].rect.left, 24); // after the swatch
    EXPECT_EQ(texts[1].rect.left, 62);
    EXPECT_EQ(texts[2].text, "Feiertag");
    EXPECT_EQ(texts[2].state.textColour, rgb(255, 0, 0));
    const auto fills = surface.opsOf(OpKind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[1].rect, (Rect{0, 17, 200, 18}));
    // More cells than columns: the extra ones are not drawn over the others.
    surface.clear();
    drawListRow(surface, Rect{0, 0, 200, 18}, "a\tb\tc", -1, false, columns, 2, look, nullptr);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText).size(), 2u);
}

} // namespace
} // namespace veltrano
