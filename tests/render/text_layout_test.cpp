#include "render/recording_surface.h"
#include "render/text_layout.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

// At 72 dpi a 10-point font is 10 units high and every character 5 units wide.
RecordingSurface tenPointSurface() {
    RecordingSurface surface(72, 72);
    FontSpec font;
    font.points = 10;
    surface.setFont(font);
    return surface;
}

struct PlacementCase {
    const char* name;
    const char* text;
    TextFlags flags;
    Rect rect;
    int height;
    Rect bounds;
};

TEST(DrawText, PlacesLinesAsFlagsSay) {
    const PlacementCase cases[] = {
        {"left", "abcd", TextSingleLine, {0, 0, 100, 50}, 10, {0, 0, 20, 10}},
        {"centre", "abcd", TextCentre | TextSingleLine, {0, 0, 100, 50}, 10, {40, 0, 60, 10}},
        {"right", "abcd", TextRight | TextSingleLine, {0, 0, 100, 50}, 10, {80, 0, 100, 10}},
        {"vcentre", "ab", TextVCentre | TextSingleLine, {0, 0, 100, 50}, 10, {0, 20, 10, 30}},
        {"empty draws nothing", "", TextCentre, {0, 0, 100, 50}, 0, {0, 0, 0, 0}},
        {"single line keeps breaks",
         "ab\r\ncd",
         TextSingleLine,
         {0, 0, 100, 50},
         10,
         {0, 0, 30, 10}},
        {"breaks without wrap", "ab\r\ncdef", TextLeft, {0, 0, 100, 50}, 20, {0, 0, 20, 20}},
        {"trailing break adds an empty line",
         "Neujahr\r\n",
         TextCentre | TextWordWrap,
         {0, 0, 100, 50},
         20,
         {32, 0, 67, 20}},
        {"lone LF and lone CR break", "a\nb\rc", TextWordWrap, {0, 0, 100, 50}, 30, {0, 0, 5, 30}},
        {"wrap between words", "aaa bbb ccc", TextWordWrap, {0, 0, 40, 50}, 20, {0, 0, 35, 20}},
        {"long word stays whole",
         "aaaaaaaaaaaa b",
         TextWordWrap,
         {0, 0, 20, 50},
         20,
         {0, 0, 60, 20}},
        {"prefix is not measured", "&Datei", TextSingleLine, {0, 0, 100, 50}, 10, {0, 0, 25, 10}},
        {"double ampersand shows one", "a&&b", TextSingleLine, {0, 0, 100, 50}, 10, {0, 0, 15, 10}},
        {"no prefix keeps ampersands",
         "a&&b",
         TextSingleLine | TextNoPrefix,
         {0, 0, 100, 50},
         10,
         {0, 0, 20, 10}},
        {"umlauts are one character", "Grün", TextSingleLine, {0, 0, 100, 50}, 10, {0, 0, 20, 10}},
    };
    for (const PlacementCase& c : cases) {
        RecordingSurface surface = tenPointSurface();
        Rect bounds{-1, -1, -1, -1};
        const int height = surface.drawText(c.rect, c.text, c.flags, &bounds);
        EXPECT_EQ(height, c.height) << c.name;
        EXPECT_EQ(bounds, c.bounds) << c.name;
        EXPECT_EQ(surface.ops().back().result, c.height) << c.name;
    }
}

TEST(DrawText, WrappedLinesDropTheBlanksWhereTheyBreak) {
    auto measure = [](std::string_view line) { return static_cast<std::int32_t>(line.size()); };
    const TextPlacement placement =
        placeText(Rect{0, 0, 7, 100}, "  one two  three", TextWordWrap, 1, measure);
    ASSERT_EQ(placement.lines.size(), 3u);
    EXPECT_EQ(placement.lines[0].text, "  one");
    EXPECT_EQ(placement.lines[1].text, "two");
    EXPECT_EQ(placement.lines[2].text, "three");
}

TEST(RecordingSurface, MetricsFollowPointsAndDpi) {
    RecordingSurface surface(300, 600);
    FontSpec font;
    font.points = 12; // em = 12 * 600 / 72 = 100
    surface.setFont(font);
    EXPECT_EQ(surface.textExtent("000"), (Size{150, 100}));
    EXPECT_EQ(surface.textExtent(""), (Size{0, 100}));
    font.points = 0;
    surface.setFont(font);
    EXPECT_EQ(surface.textExtent("a").height, 1) << "never a zero line height";
}

TEST(RecordingSurface, RestoreBringsBackTheSavedState) {
    RecordingSurface surface;
    surface.save();
    surface.setTextColour(rgb(255, 0, 0));
    surface.setPen(Pen::none());
    surface.setBrush(Brush::solid(kBlack));
    surface.save();
    surface.setFont(FontSpec{}.bold());
    surface.restore();
    EXPECT_EQ(surface.font().weight, kWeightNormal);
    EXPECT_EQ(surface.textColour(), rgb(255, 0, 0));
    surface.restore();
    EXPECT_EQ(surface.state(), SurfaceState{});
    surface.restore(); // unmatched: nothing changes
    EXPECT_EQ(surface.saveDepth(), 0);
}

TEST(RecordingSurface, DumpsOneLinePerCall) {
    RecordingSurface surface(72, 72);
    BlankPicture picture(40, 30);
    surface.setPen(Pen::none());
    surface.setBrush(Brush::solid(rgb(190, 210, 255)));
    surface.drawEllipse(Rect{1, 2, 3, 4});
    surface.drawText(Rect{0, 0, 50, 50}, "a\"b\r\nc", TextCentre | TextWordWrap);
    surface.drawPictureRegion(picture, Rect{0, 0, 4, 3}, Rect{0, 0, 40, 30}, kWhite);
    EXPECT_EQ(surface.dump(), "pen none\n"
                              "brush solid #bed2ff\n"
                              "ellipse (1, 2, 3, 4)\n"
                              "text (0, 0, 50, 50) centre|wrap \"a\\\"b\\r\\nc\" = 20\n"
                              "picture 40x30 (0, 0, 40, 30) -> (0, 0, 4, 3) transparent #ffffff\n");
}

} // namespace
} // namespace veltrano
