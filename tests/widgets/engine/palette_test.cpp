#include "widgets/engine/palette.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

class PaletteTest : public ::testing::Test {
  protected:
    void SetUp() override { resetPalette(); }
    void TearDown() override { resetPalette(); }
};

TEST_F(PaletteTest, IndexFiftyThreeFollowsTheFrameUntilSet) {
    EXPECT_EQ(paletteColour(53), paletteColour(3));
    setPaletteColour(3, rgb(1, 2, 3));
    EXPECT_EQ(paletteColour(53), rgb(1, 2, 3));
    EXPECT_TRUE(setPaletteColour(53, rgb(9, 8, 7)));
    EXPECT_EQ(paletteColour(53), rgb(9, 8, 7));
    setPaletteColour(3, rgb(4, 5, 6));
    EXPECT_EQ(paletteColour(53), rgb(9, 8, 7));
    resetPalette();
    EXPECT_EQ(paletteColour(53), paletteColour(3));
}

TEST_F(PaletteTest, SettersRefuseOtherIndices) {
    EXPECT_FALSE(setPaletteColour(60, rgb(1, 1, 1)));
    EXPECT_FALSE(setPaletteColour(-1, rgb(1, 1, 1)));
    EXPECT_TRUE(setPaletteColour(59, rgb(1, 1, 1)));
    EXPECT_EQ(paletteColour(59), rgb(1, 1, 1));
    EXPECT_EQ(paletteColour(60), kWhite);
    EXPECT_EQ(paletteColour(-1), kWhite);
    EXPECT_FALSE(setSharedResource(11, 5));
    EXPECT_FALSE(setSharedResource(-1, 5));
    EXPECT_TRUE(setSharedResource(10, 5));
    EXPECT_EQ(sharedResource(10), 5);
    EXPECT_EQ(sharedResource(11), 0);
}

TEST_F(PaletteTest, StartupValues) {
    setPaletteColour(39, rgb(1, 1, 1));
    setPaletteColour(4, rgb(1, 1, 1));
    applyStartupPalette();
    EXPECT_EQ(paletteColour(39), rgb(65, 72, 82));
    EXPECT_EQ(paletteColour(40), kWhite);
    EXPECT_EQ(paletteColour(3), rgb(144, 160, 192));
    EXPECT_EQ(paletteColour(4), rgb(210, 220, 240));
    EXPECT_EQ(paletteColour(18), rgb(210, 220, 240));
    EXPECT_EQ(paletteColour(51), rgb(36, 112, 174));
    EXPECT_EQ(paletteColour(52), kWhite);
    EXPECT_EQ(sharedResource(6), 155);
    EXPECT_EQ(paletteColour(53), rgb(144, 160, 192)) << "start-up leaves 53 unset";
}

TEST_F(PaletteTest, SharedResourcesNameTheWidgetSetsOwnPictures) {
    // Controls find the hand cursor, check boxes and list images without start-up help.
    EXPECT_EQ(sharedResource(kSharedHandCursor), 24576);
    EXPECT_EQ(sharedResource(1), 24577);
    EXPECT_EQ(sharedResource(kSharedListImages), 24582);
    EXPECT_EQ(sharedResource(kSharedIconBitmap), 0) << "icon labels have no icon unless set";
}

} // namespace
} // namespace veltrano
