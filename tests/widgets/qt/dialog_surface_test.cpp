#include "widgets/qt/dialog_surface.h"

#include "render/recording_surface.h"
#include "widgets/qt/bg_tab_ctrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano {
namespace {

TEST(DialogSurface, BackgroundPictureKeepsItsSizeOrIsStretched) {
    struct Case {
        Size client, picture;
        Rect drawn;
    };
    const Case cases[] = {
        {{500, 400}, {400, 300}, {50, 50, 450, 350}}, // fits: own size, centred
        {{500, 400}, {600, 300}, {0, 0, 500, 400}},   // too wide: stretched
        {{500, 400}, {500, 400}, {0, 0, 500, 400}},   // rx = ry = 1: stretched (rx not > 1)
        {{500, 400}, {250, 400}, {125, 0, 375, 400}}, // ry = 1 < rx: own size
        {{500, 400}, {250, 401}, {0, 0, 500, 400}},   // ry just below 1: stretched
        {{500, 400}, {1600, 1000}, {0, 0, 500, 400}}, // the usual large picture
        {{500, 400}, {499, 100}, {0, 150, 499, 250}}, // odd margins truncate
        {{500, 400}, {0, 100}, {}},                   // no picture
        {{0, 0}, {100, 100}, {}},                     // no client
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.picture.width << "x" << c.picture.height);
        EXPECT_EQ(backgroundPictureRect(c.client, c.picture), c.drawn);
    }
}

TEST(DialogSurface, PanelIsOutlinedAndKeptFreeOfThePicture) {
    RecordingSurface surface;
    const BlankPicture picture(400, 300);
    DialogSurface plan;
    plan.client = {500, 400};
    plan.background = rgb(210, 220, 240);
    plan.outline = rgb(128, 128, 128);
    plan.contentPanel = Rect{10, 10, 490, 300};
    plan.picture = &picture;
    drawDialogSurface(surface, plan);

    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{10, 10, 490, 300}));
    EXPECT_EQ(rects[0].state.pen, Pen::solid(plan.outline));
    EXPECT_EQ(rects[0].state.brush, Brush::solid(plan.background));
    const auto excluded = surface.opsOf(OpKind::ExcludeClip);
    ASSERT_EQ(excluded.size(), 1u);
    EXPECT_EQ(excluded[0].rect, (Rect{10, 10, 490, 300}));
    const auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{50, 50, 450, 350}));
    EXPECT_FALSE(pictures[0].transparent.has_value());
    // The panel is drawn and excluded before the picture, so the picture stays off it.
    std::vector<OpKind> order;
    for (const RecordedOp& op : surface.ops()) {
        if (op.kind == OpKind::DrawRect || op.kind == OpKind::ExcludeClip ||
            op.kind == OpKind::DrawPicture) {
            order.push_back(op.kind);
        }
    }
    EXPECT_EQ(order,
              (std::vector<OpKind>{OpKind::DrawRect, OpKind::ExcludeClip, OpKind::DrawPicture}));
    EXPECT_EQ(surface.saveDepth(), 0);
}

TEST(DialogSurface, WithoutPanelOrPictureTheClientIsFilled) {
    RecordingSurface surface;
    DialogSurface plan;
    plan.client = {300, 200};
    plan.background = rgb(1, 2, 3);
    drawDialogSurface(surface, plan);
    EXPECT_TRUE(surface.opsOf(OpKind::DrawRect).empty());
    EXPECT_TRUE(surface.opsOf(OpKind::DrawPicture).empty());
    const auto fills = surface.opsOf(OpKind::FillRect);
    ASSERT_EQ(fills.size(), 1u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 300, 200}));
    EXPECT_EQ(fills[0].colour, rgb(1, 2, 3));
}

TEST(TabStrip, SelectedTabReachesLowerAndColoursFollowTheTab) {
    TabStrip strip;
    strip.client = {400, 200};
    for (int i = 0; i < 32; ++i) {
        strip.tabs.push_back(Rect{i * 10, 0, i * 10 + 10, 20});
        strip.titles.push_back("T" + std::to_string(i));
        if (i < kTabColourCount) {
            strip.text[static_cast<std::size_t>(i)] = rgb(100 + i, 0, 0);
            strip.background[static_cast<std::size_t>(i)] = rgb(0, 100 + i, 0);
        }
    }
    strip.titles[1] = std::string(250, 'x');
    strip.selected = 1;
    strip.strip = rgb(9, 9, 9);

    RecordingSurface surface;
    drawTabStrip(surface, strip);
    const auto fills = surface.opsOf(OpKind::FillRect);
    ASSERT_EQ(fills.size(), 2u);
    EXPECT_EQ(fills[0].rect, (Rect{0, 0, 400, 22}));
    EXPECT_EQ(fills[0].colour, rgb(9, 9, 9));
    EXPECT_EQ(fills[1].rect, (Rect{0, 22, 400, 200}));
    EXPECT_EQ(fills[1].colour, strip.background[0]);

    const auto tabs = surface.opsOf(OpKind::DrawRect);
    const auto texts = surface.opsOf(OpKind::DrawText);
    ASSERT_EQ(tabs.size(), 32u);
    ASSERT_EQ(texts.size(), 32u);
    EXPECT_EQ(tabs[0].rect, (Rect{0, 0, 10, 20}));
    EXPECT_EQ(tabs[1].rect, (Rect{10, 0, 20, 22})); // selected
    EXPECT_EQ(tabs[5].state.brush, Brush::solid(rgb(0, 105, 0)));
    EXPECT_EQ(tabs[5].state.pen, Pen::solid(rgb(0, 105, 0)));
    EXPECT_EQ(texts[5].state.textColour, rgb(105, 0, 0));
    EXPECT_EQ(tabs[29].state.brush, Brush::solid(rgb(0, 129, 0)));
    EXPECT_EQ(tabs[31].state.brush, Brush::solid(strip.background[0])); // past 29: colour 0
    EXPECT_EQ(texts[30].state.textColour, strip.text[0]);
    EXPECT_EQ(texts[1].text.size(), kTabTitleLimit);

    // Titles with an access key are drawn with the letter marked.
    strip.accessKeys = {-1, -1, 1};
    strip.titles[2] = "AB";
    RecordingSurface marked;
    drawTabStrip(marked, strip);
    const auto markedTexts = marked.opsOf(OpKind::DrawText);
    EXPECT_EQ(markedTexts[2].text, "A&B");
    EXPECT_FALSE(markedTexts[2].flags & TextNoPrefix);
    EXPECT_TRUE(markedTexts[3].flags & TextNoPrefix);

    strip.flat = true;
    RecordingSurface flat;
    drawTabStrip(flat, strip);
    EXPECT_TRUE(flat.opsOf(OpKind::FillRect).empty());
}

} // namespace
} // namespace veltrano
