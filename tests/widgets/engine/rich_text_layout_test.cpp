#include "widgets/engine/rich_text_layout.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using Words = std::vector<std::string>;

// Text area of a layout in (0, 0, width, 200): left 3, top 2, right width − 3.
// Base line height at 8 points: 10 + 10 / 4 = 12.
struct LayoutCase {
    const char* name;
    const char* text;
    int width;
    Words words;
    int height;
};

class RichLayoutTest : public ::testing::Test {
  protected:
    int layOut(std::string_view text, int width = 200, bool measureOnly = false) {
        surface.clear();
        return layoutRichText(surface, Rect{0, 0, width, 200}, text, measureOnly, 8, settings,
                              &areas);
    }

    RecordingSurface surface;
    RichTextSettings settings;
    std::vector<MarkupArea> areas;
};

TEST_F(RichLayoutTest, PlacesWordsTabsAndGaps) {
    const LayoutCase cases[] = {
        {"empty text", "", 200, {}, 14},
        {"words keep their blanks", "Hello world", 200, {"3,2 Hello ", "33,2 world"}, 14},
        {"tab stop", "<tab40>A", 200, {"43,2 A"}, 14},
        {"upper-case tab", "<TAB40>A", 200, {"43,2 A"}, 14},
        {"blank before number", "<tab 40>A", 200, {"43,2 A"}, 14},
        {"tab never moves left", "abcdefghij<tab20>k", 200, {"3,2 abcdefghij", "53,2 k"}, 14},
        {"tab0 ignored", "<tab0>A", 200, {"3,2 A"}, 14},
        {"unknown tag ignored", "a<blink>b", 200, {"3,2 a", "8,2 b"}, 14},
        {"line break", "a<br>b", 200, {"3,2 a", "3,14 b"}, 26},
        {"gap", "a<newline30>b", 200, {"3,2 a", "3,32 b"}, 44},
        {"gap ends the hanging indent", "<tab40>a<newline1>b", 200, {"43,2 a", "3,3 b"}, 15},
        {"wrap to the left without a tab",
         "aaaa bbbb cccc",
         70,
         {"3,2 aaaa ", "28,2 bbbb ", "3,14 cccc"},
         26},
        {"hanging indent",
         "<tab40>aaaa bbbb cccc",
         100,
         {"43,2 aaaa ", "68,2 bbbb ", "43,14 cccc"},
         26},
        {"a long word at the line start stays",
         "abcdefghijklmnopqrstuvwxyz",
         60,
         {"3,2 abcdefghijklmnopqrstuvwxyz"},
         14},
        {"bold stays without its end tag", "<strong>A b", 200, {"3,2 A |B", "13,2 b|B"}, 14},
        {"red and back", "<red>r </red>k", 200, {"3,2 r |#e00000", "13,2 k"}, 14},
        {"heading line height", "<h1>Title</h1>x", 200, {"3,2 Title", "43,2 x"}, 18},
        {"unclosed tag", "ab <strong rest", 200, {"3,2 ab ", "18,2 [Syntax Error]"}, 14},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(layOut(c.text, c.width), c.height);
        EXPECT_EQ(drawnWords(surface), c.words);
        EXPECT_EQ(layOut(c.text, c.width, true), c.height) << "measuring agrees with drawing";
        EXPECT_TRUE(surface.opsOf(OpKind::DrawText).empty());
    }
}

TEST_F(RichLayoutTest, RightTabEndsTheWordAtTheTab) {
    EXPECT_EQ(layOut("<rtab200>Word next", 400), 14);
    EXPECT_EQ(drawnWords(surface), (Words{"3,2 Word |R", "203,2 next"}));
    const auto texts = surface.opsOf(OpKind::DrawText);
    EXPECT_EQ(texts[0].rect, (Rect{3, 2, 203, 14}));
    // The tab is used once; a line break clears a tab that no word used.
    layOut("<rtab50>a<rtab90><br>b", 400);
    EXPECT_EQ(drawnWords(surface), (Words{"3,2 a|R", "3,14 b"}));
}

TEST_F(RichLayoutTest, FillsBackgroundAndDrawsRulesAndBar) {
    settings.background = rgb(1, 2, 3);
    EXPECT_EQ(layOut("ab<hr>cd<smallhr><yellowline>ef", 100), 55);
    const auto fills = surface.opsOf(OpKind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 100, 200}));
    EXPECT_EQ(fills[0].colour, rgb(1, 2, 3));
    // The rule inside a line starts a new line at y 14 and is drawn half a
    // base line lower; the small rule follows "cd" on a line of its own.
    const auto lines = surface.opsOf(OpKind::DrawLine);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].from, (Point{3, 20}));
    EXPECT_EQ(lines[0].to, (Point{97, 20}));
    EXPECT_EQ(lines[0].state.pen, Pen::solid(kBlack));
    EXPECT_EQ(lines[1].from, (Point{3, 40}));
    EXPECT_EQ(fills[1].rect, (Rect{2, 42, 98, 56}));
    EXPECT_EQ(fills[1].colour, rgb(255, 255, 192));
    EXPECT_EQ(drawnWords(surface), (Words{"3,2 ab", "3,26 cd", "3,43 ef"}));
    EXPECT_TRUE(layOut("ab<hr>", 100, true) > 0);
    EXPECT_TRUE(surface.opsOf(OpKind::FillRect).empty());
    EXPECT_TRUE(surface.opsOf(OpKind::DrawLine).empty());
}

TEST_F(RichLayoutTest, ImagesBitmapsAndHeaderBitmap) {
    FakePictures pictures;
    pictures.add(1, 64, 16); // a strip of four 16-pixel images
    pictures.add(7, 50, 30);
    pictures.add(9, 120, 40);
    settings.images = PictureStrip{pictures.picture(1), 16};
    settings.bitmaps = &pictures;
    settings.headerBitmap = pictures.picture(9);
    layOut("<hbmp><img2><img-5><img9>a<bmp7>b<bmp8><bmp-1>", 200);
    const auto drawn = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(drawn.size(), 3u);
    EXPECT_EQ(drawn[0].rect, (Rect{3, 2, 123, 42}));
    EXPECT_EQ(drawn[1].source, (Rect{32, 0, 48, 16}));
    EXPECT_EQ(drawn[1].rect, (Rect{3, 2, 19, 18}));
    EXPECT_EQ(drawn[1].transparent, rgb(128, 0, 128));
    EXPECT_EQ(drawn[2].rect, (Rect{48, 2, 98, 32}));
    // A negative image takes no room; an image beyond the strip draws nothing
    // but keeps its place; bitmaps do not move the pen.
    EXPECT_EQ(drawnWords(surface), (Words{"43,2 a", "48,2 b"}));
}

TEST_F(RichLayoutTest, ImageThatDoesNotFitGoesToTheNextLine) {
    layOut("abcdefgh<imgx>", 50); // text area 3..47; x = 43 after the word
    const auto drawn = surface.opsOf(OpKind::DrawPicture);
    EXPECT_TRUE(drawn.empty()); // no strip set
    layOut("abcdefgh<imgx>x", 50);
    EXPECT_EQ(drawnWords(surface), (Words{"3,2 abcdefgh", "23,14 x"}));
}

} // namespace
} // namespace veltrano
