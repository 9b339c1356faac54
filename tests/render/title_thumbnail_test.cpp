#include "render/recording_surface.h"
#include "render/title_thumbnail.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

// Client 200 × 300: area (3, 3, 197, 297), photo box (3, 3, 197, 120); a 400 × 200
// photo fits its width. Year and text follow 6 units below the box, centred.
TEST(TitleThumbnail, PlacesSheetPhotoYearAndTitle) {
    RecordingSurface surface;
    const BlankPicture photo(400, 200);
    drawTitleThumbnail(surface, Rect{0, 0, 200, 300}, &photo, 2027, "Unser Jahr");
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_EQ(rects.size(), 1u);
    EXPECT_EQ(rects[0].rect, (Rect{0, 0, 200, 300}));
    EXPECT_EQ(rects[0].state.brush, Brush::solid(kWhite));
    const auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{3, 13, 197, 110}));
    const auto texts = surface.opsOf(OpKind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "2027");
    EXPECT_EQ(texts[0].rect.top, 126);
    EXPECT_EQ(texts[0].state.font.weight, kWeightBold);
    EXPECT_EQ(texts[0].state.font.points, 29 * 72 / 96); // a tenth of the sheet
    EXPECT_EQ(texts[1].text, "Unser Jahr");
    EXPECT_EQ(texts[1].rect.top, 126 + texts[0].result);
    EXPECT_TRUE(texts[1].flags & TextWordWrap);
    EXPECT_EQ(surface.saveDepth(), 0);
}

TEST(TitleThumbnail, WithoutPhotoOrRoomDrawsNoPicture) {
    RecordingSurface surface;
    drawTitleThumbnail(surface, Rect{0, 0, 200, 300}, nullptr, 2027, "");
    EXPECT_TRUE(surface.opsOf(OpKind::DrawPicture).empty());
    EXPECT_EQ(surface.opsOf(OpKind::DrawText).size(), 2u);
    surface.clear();
    drawTitleThumbnail(surface, Rect{0, 0, 5, 5}, nullptr, 2027, "x");
    EXPECT_TRUE(surface.ops().empty());
}

} // namespace
} // namespace veltrano
