#include "widgets/engine/html_text_ctrl.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

using Words = std::vector<std::string>;

// Label metrics on the recording surface: line height 13 ("Abq" at 10
// points); small words 5 pixels a character, drawn 2 lower than the line top;
// the text area of (0, 0, width, …) runs from 4 to width − 4.
struct LabelCase {
    const char* name;
    const char* text;
    int width;
    Words words;
    int height;
};

TEST(LabelLayout, PlacesWordsAndLines) {
    const LabelCase cases[] = {
        {"empty text", "", 200, {}, 13},
        {"words", "Hello world", 200, {"4,2 Hello ", "34,2 world"}, 13},
        {"big bold has no drop",
         "<big><b>Word</b></big> x",
         200,
         {"4,0 Word|B", "30,2  ", "35,2 x"},
         13},
        {"wrap", "aaaa bbbb cccc", 60, {"4,2 aaaa ", "29,2 bbbb ", "4,15 cccc"}, 26},
        {"too wide to wrap", "ab abcdefgh", 30, {"4,2 ab ", "19,2 abcdefgh"}, 13},
        {"line break", "a<br>b", 200, {"4,2 a", "4,15 b"}, 26},
        {"separator line", "a<line>b", 200, {"4,2 a", "0,15 b"}, 17},
        {"separator then break", "a<line><br>b", 200, {"4,2 a", "4,19 b"}, 30},
        {"missing end tag", "ok <b", 200, {"4,2 ok ", "19,2 (error: missing endtag)"}, 13},
        {"unknown tag", "<x>", 200, {"4,2 (error: unknown token \"<x>\")"}, 13},
        {"underline", "<u>u</u>n", 200, {"4,2 u|U", "9,2 n"}, 13},
    };
    for (const LabelCase& c : cases) {
        SCOPED_TRACE(c.name);
        CHtmlTextCtrl label;
        label.setText(c.text);
        RecordingSurface surface;
        EXPECT_EQ(label.layout(surface, Rect{0, 0, c.width, 50}, false), c.height);
        EXPECT_EQ(drawnWords(surface), c.words);
        EXPECT_EQ(surface.saveDepth(), 0);
        RecordingSurface measuring;
        EXPECT_EQ(label.layout(measuring, Rect{0, 0, c.width, 50}, true), c.height);
        EXPECT_TRUE(measuring.opsOf(OpKind::DrawText).empty());
    }
}

TEST(LabelLink, ColoursAndEnds) {
    CHtmlTextCtrl label;
    label.setText("Go <link>here</link>");
    RecordingSurface surface;
    label.layout(surface, Rect{0, 0, 200, 50}, false);
    EXPECT_EQ(drawnWords(surface), (Words{"4,2 Go ", "19,2 here|U|#143cff"}));
    ASSERT_TRUE(label.linkEnds());
    EXPECT_EQ(label.linkEnds()->first, (Point{19, 0}));
    EXPECT_EQ(label.linkEnds()->second, (Point{39, 13}));
    label.setEnabled(false);
    label.layout(surface, Rect{0, 0, 200, 50}, false);
    EXPECT_EQ(surface.opsOf(OpKind::DrawText).back().state.textColour, rgb(192, 192, 192));
    for (const char* unclosed : {"no link <link>open", "<link>a</link> <link>b"}) {
        label.setText(unclosed);
        label.layout(surface, Rect{0, 0, 200, 50}, true);
        EXPECT_FALSE(label.linkEnds()) << unclosed;
    }
    EXPECT_FALSE(label.linkContains(Point{60, 5}, 200));
}

struct HitCase {
    Point at;
    bool inside;
};

void expectHits(const char* text, int width, std::initializer_list<HitCase> hits) {
    CHtmlTextCtrl label;
    label.setText(text);
    RecordingSurface surface;
    label.layout(surface, Rect{0, 0, width, 60}, true);
    for (const HitCase& hit : hits) {
        EXPECT_EQ(label.linkContains(hit.at, width), hit.inside) << text << ' ' << hit.at;
        EXPECT_EQ(label.click(hit.at, width), hit.inside);
    }
}

TEST(LabelLink, HitTestOnOneLine) {
    expectHits(
        "Go <link>here</link>", 200,
        {{{19, 0}, true}, {{38, 12}, true}, {{39, 5}, false}, {{18, 5}, false}, {{20, 13}, false}});
}

TEST(LabelLink, HitTestFollowsAWrappedLink) {
    // Starts at (79, 0); "bbbb " wraps, the link ends at (49, 26).
    expectHits("aaaaaaaaaaaaaa <link>bbbb cccc</link>", 100,
               {{{80, 5}, true},
                {{99, 12}, true},
                {{50, 5}, false},
                {{10, 20}, true},
                {{48, 25}, true},
                {{49, 20}, false},
                {{10, 30}, false}});
    // Over three lines: the middle line counts across the whole width.
    expectHits(
        "aaaaaaaaaaaaaa <link>bbbbbbbbbbbbbbbbb cc</link>", 100,
        {{{95, 20}, true}, {{0, 14}, true}, {{13, 30}, true}, {{20, 30}, false}, {{78, 5}, false}});
}

TEST(LabelPaint, BackgroundIconAndAlignment) {
    FakePictures pictures;
    pictures.add(5, 128, 32);
    struct Case {
        const char* name;
        bool gradient, bottom, centre;
        int icon;
        Words words;
    };
    const Case cases[] = {
        {"plain", false, false, false, -1, {"4,2 a"}},
        {"gradient and icon", true, false, false, 2, {"42,2 a"}},
        {"bottom", false, true, false, -1, {"4,38 a"}},
        {"centre", false, false, true, -1, {"4,20 a"}},
        {"bottom wins", false, true, true, -1, {"4,38 a"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHtmlTextCtrl label;
        label.setPictureSource(&pictures);
        label.setIconBitmap(5);
        label.setIconIndex(c.icon);
        label.setGradient(c.gradient);
        label.setAlignBottom(c.bottom);
        label.setCentreVertically(c.centre);
        label.setBackground(rgb(1, 2, 3));
        label.setText("a");
        RecordingSurface surface;
        label.paint(surface, Size{200, 50});
        EXPECT_EQ(drawnWords(surface), c.words);
        EXPECT_EQ(label.textHeight(), 13);
        const auto fill = surface.ops().front();
        EXPECT_EQ(fill.kind, c.gradient ? OpKind::FillGradient : OpKind::FillRect);
        EXPECT_EQ(fill.rect, (Rect{0, 0, 200, 50}));
        EXPECT_EQ(fill.colour, rgb(1, 2, 3));
        const auto icons = surface.opsOf(OpKind::DrawPicture);
        ASSERT_EQ(icons.size(), c.icon >= 0 ? 1u : 0u);
        if (c.icon >= 0) {
            EXPECT_EQ(icons[0].rect, (Rect{0, 9, 32, 41}));
            EXPECT_EQ(icons[0].source, (Rect{64, 0, 96, 32}));
            EXPECT_EQ(icons[0].transparent, rgb(128, 0, 128));
        }
    }
}

TEST(LabelPaint, LinkFollowsTheAlignedText) {
    CHtmlTextCtrl label;
    label.setText("<link>here</link>");
    label.setAlignBottom(true);
    RecordingSurface surface;
    label.paint(surface, Size{200, 50});
    EXPECT_TRUE(label.click(Point{10, 40}, 200));
    EXPECT_FALSE(label.click(Point{10, 5}, 200));
}

} // namespace
} // namespace veltrano
