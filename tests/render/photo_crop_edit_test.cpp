// Choosing the shown part of a photo: the part that fills the area, and that
// part dragged and zoomed, always within the photo.
#include "render/photo_crop_edit.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace veltrano {

static std::ostream& operator<<(std::ostream& out, const PhotoCrop& c) {
    return out << "(" << c.left << "," << c.top << ")-(" << c.right << "," << c.bottom << ")";
}

namespace {

TEST(PhotoCropEdit, CoverZoomAndPanGiveClampedParts) {
    // A portrait photo of 3000 × 4000 in an area twice as wide as high: the
    // middle band of 3/8 of the height fills it.
    const PhotoCrop band{0, 3125, 10000, 6875};
    const PhotoCrop quarter{0, 0, 5000, 5000};
    const struct {
        const char* name;
        std::function<PhotoCrop()> make;
        PhotoCrop expected;
    } cases[] = {
        {"portrait cover", [] { return coverCrop(3000, 4000, 2.0); }, band},
        {"landscape cover", [] { return coverCrop(4000, 1000, 2.0); }, {2500, 0, 7500, 10000}},
        {"same proportions", [] { return coverCrop(200, 100, 2.0); }, {0, 0, 10000, 10000}},
        {"no photo", [] { return coverCrop(0, 100, 2.0); }, {}},
        {"no aspect", [] { return coverCrop(100, 100, 0.0); }, {}},
        // Zoom keeps the point under the anchor and the cover's proportions.
        {"zoom 2 at centre",
         [&] { return zoomCrop(band, band, 2.0, 0.5, 0.5); },
         {2500, 4063, 7500, 5938}},
        {"zoom 2 at top left",
         [&] { return zoomCrop(band, band, 2.0, 0.0, 0.0); },
         {0, 3125, 5000, 5000}},
        {"zoom from unset starts at cover",
         [&] { return zoomCrop({}, band, 2.0, 1.0, 1.0); },
         {5000, 5000, 10000, 6875}},
        {"zoom held to the largest",
         [&] { return zoomCrop(band, band, 100.0, 0.5, 0.5); },
         {3750, 4531, 6250, 5469}},
        {"zoom out stops at cover",
         [&] {
             return zoomCrop({0, 0, 5000, 1875}, band, 0.5, 0, 0);
         },
         {0, 0, 10000, 3750}},
        {"zoom out moved back into the photo",
         [&] {
             return zoomCrop({5000, 8125, 10000, 10000}, band, 1.0, 1.0, 1.0);
         },
         {0, 6250, 10000, 10000}},
        // Dragging the photo right and down shows more of its left and top.
        {"pan",
         [&] {
             return panCrop({2500, 2500, 7500, 7500}, 0.2, -0.1);
         },
         {1500, 3000, 6500, 8000}},
        {"pan held at the edges",
         [&] { return panCrop(quarter, -5.0, 3.0); },
         {5000, 0, 10000, 5000}},
        {"pan of unset", [] { return panCrop({}, 0.5, 0.5); }, {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.make(), c.expected) << c.name;
    EXPECT_DOUBLE_EQ(cropZoom({0, 0, 5000, 1875}, {0, 0, 10000, 3750}), 2.0);
    EXPECT_DOUBLE_EQ(cropZoom({}, band), 1.0);
}

} // namespace
} // namespace veltrano
