// Any text, however broken or large, is laid out without faults, within
// bounds and in time that grows with the text.

#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/new_html_ctrl.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>

namespace veltrano {
namespace {

std::string repeat(std::string_view piece, std::size_t count) {
    std::string out;
    out.reserve(piece.size() * count);
    for (std::size_t i = 0; i < count; ++i) {
        out += piece;
    }
    return out;
}

// Bounded coordinates of everything drawn.
void expectBounded(const RecordingSurface& surface) {
    for (const RecordedOp& op : surface.ops()) {
        EXPECT_LE(std::abs(std::int64_t{op.rect.top}), kCoordinateLimit + 1);
        EXPECT_LE(std::abs(std::int64_t{op.rect.right}), kCoordinateLimit + 1);
    }
}

TEST(MarkupBadInput, RichEngineTakesAnyText) {
    FakePictures pictures;
    pictures.add(1, 64, 16);
    RichTextSettings settings;
    settings.bitmaps = &pictures;
    settings.images = PictureStrip{pictures.picture(1), 16};
    const std::string texts[] = {
        "",
        "<",
        "<<<<",
        ">>>",
        "<tab999999999>x<rtab2147483647>y<tab-2147483648>z",
        "<img-5><bmp-5><img2147483647><bmp2147483647><imgx><bmpx>",
        repeat("<newline2147483647>", 100) + "x",
        repeat("<rtab2147483647>wide ", 50),
        repeat("<strong><h1><red><button>", 10000) + "<",
        repeat("</button>", 10000),
        repeat("<yellowline><hr><smallhr>", 3000),
        std::string("a\0b<tab\0>c", 10),
    };
    for (const std::string& text : texts) {
        RecordingSurface surface;
        std::vector<MarkupArea> areas;
        const int height =
            layoutRichText(surface, Rect{0, 0, 200, 100}, text, false, 8, settings, &areas);
        EXPECT_GT(height, 0);
        EXPECT_LE(height, kCoordinateLimit);
        EXPECT_LE(areas.size(), 20u);
        EXPECT_EQ(surface.saveDepth(), 0);
        expectBounded(surface);
    }
}

TEST(MarkupBadInput, LabelEngineTakesAnyText) {
    const std::string texts[] = {
        "",
        "<",
        "<<>>",
        " ",
        repeat("<b><u><link><big>", 10000),
        repeat("<line>", 10000),
        repeat("</link><link>", 5000) + "<x",
    };
    for (const std::string& text : texts) {
        CHtmlTextCtrl label;
        label.setText(text);
        RecordingSurface surface;
        label.paint(surface, Size{200, 40});
        EXPECT_GE(label.textHeight().value_or(-1), 13);
        label.linkContains(Point{5, 5}, 200);
        EXPECT_EQ(surface.saveDepth(), 0);
    }
}

// A megabyte of words takes time in proportion to its length; a quadratic
// layout would take minutes here.
TEST(MarkupBadInput, MegabyteOfWordsIsLaidOutQuickly) {
    const std::string words = repeat("Kalender Jahr <strong>Monat</strong> ", 30000);
    ASSERT_GT(words.size(), 1000000u);
    const auto start = std::chrono::steady_clock::now();
    RecordingSurface surface;
    const int height =
        layoutRichText(surface, Rect{0, 0, 300, 100}, words, true, 8, RichTextSettings{});
    CHtmlTextCtrl label;
    label.setText(words);
    const int labelHeight = label.layout(surface, Rect{0, 0, 300, 100}, true);
    const auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_GT(height, 10000);
    EXPECT_GT(labelHeight, 10000);
    EXPECT_LT(elapsed, std::chrono::seconds(10));
    // The control cuts its page to a size a picture can have.
    CNewHtmlCtrl ctrl;
    ctrl.setText(words);
    EXPECT_EQ(ctrl.layOut(surface, Size{300, 100}), CNewHtmlCtrl::kMaxPageHeight);
}

} // namespace
} // namespace veltrano
