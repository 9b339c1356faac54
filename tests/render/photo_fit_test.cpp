#include "render/photo_fit.h"
#include "render/recording_surface.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

struct FitCase {
    const char* name;
    Rect box;
    int w;
    int h;
    Rect expected;
};

TEST(FitImageRect, ScalesToTheLargestSizeThatFitsAndCentres) {
    const FitCase cases[] = {
        {"wide box", {0, 0, 1000, 500}, 400, 300, {167, 0, 833, 500}},
        {"same proportions fill", {10, 20, 410, 320}, 800, 600, {10, 20, 410, 320}},
        {"tiny photo grows", {0, 0, 300, 100}, 3, 2, {75, 0, 225, 100}},
        {"tall box", {5, 5, 105, 405}, 200, 100, {5, 180, 105, 230}},
        {"zero width", {0, 0, 100, 100}, 0, 50, {}},
        {"zero height", {0, 0, 100, 100}, 50, 0, {}},
        {"negative size", {0, 0, 100, 100}, -50, 50, {}},
        {"empty box", {10, 10, 10, 80}, 50, 50, {}},
        {"inverted box", {100, 100, 0, 0}, 50, 50, {}},
        {"huge photo", {0, 0, 100, 100}, 2000000000, 1, {0, 50, 100, 50}},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(fitImageRect(c.box, c.w, c.h), c.expected) << c.name;
    }
}

TEST(PreviewImageRect, ShrinksLargePhotosButNeverEnlarges) {
    const FitCase cases[] = {
        {"wide photo shrinks", {0, 0, 200, 200}, 800, 400, {0, 50, 200, 150}},
        {"tall photo shrinks", {0, 0, 200, 200}, 100, 400, {75, 0, 125, 200}},
        {"small photo keeps its size", {0, 0, 200, 200}, 40, 30, {80, 85, 120, 115}},
        {"exact fit", {0, 0, 200, 100}, 200, 100, {0, 0, 200, 100}},
        {"offset client", {10, 20, 210, 220}, 40, 30, {90, 105, 130, 135}},
        {"zero-sized photo", {0, 0, 200, 200}, 0, 30, {}},
        {"empty client", {0, 0, 0, 200}, 40, 30, {}},
    };
    for (const FitCase& c : cases) {
        EXPECT_EQ(previewImageRect(c.box, c.w, c.h), c.expected) << c.name;
    }
}

TEST(PhotoPreview, FillsTheBackgroundThenDrawsThePhoto) {
    RecordingSurface surface;
    BlankPicture photo(800, 400);
    drawPhotoPreview(surface, Rect{0, 0, 200, 200}, &photo);
    EXPECT_EQ(surface.dump(), "save\n"
                              "pen solid #ffffff 1\n"
                              "brush solid #ffffff\n"
                              "rect (0, 0, 200, 200)\n"
                              "picture 800x400 (0, 0, 800, 400) -> (0, 50, 200, 150)\n"
                              "restore\n");
}

TEST(PhotoPreview, WithoutAPhotoOnlyTheBackgroundIsDrawn) {
    BlankPicture empty(0, 120);
    for (const Picture* picture :
         {static_cast<const Picture*>(nullptr), static_cast<const Picture*>(&empty)}) {
        RecordingSurface surface;
        drawPhotoPreview(surface, Rect{0, 0, 50, 40}, picture, rgb(10, 20, 30));
        EXPECT_TRUE(surface.opsOf(OpKind::DrawPicture).empty());
        ASSERT_EQ(surface.opsOf(OpKind::DrawRect).size(), 1u);
        EXPECT_EQ(surface.opsOf(OpKind::DrawRect)[0].state.brush, Brush::solid(rgb(10, 20, 30)));
        EXPECT_EQ(surface.saveDepth(), 0);
    }
}

} // namespace
} // namespace veltrano
