// The chosen part of a page's photo: placed like a whole photo, drawn from
// its own pixels, and decoded with enough pixels for the part.
#include "render/photo_crop_place.h"

#include "document/calendar_document.h"
#include "print_fakes.h"
#include "render/photo_crop_edit.h"
#include "render/photo_fit.h"
#include "render/print_job.h"
#include "render/recording_surface.h"
#include "render/veltrano_ctrl.h"

#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(PlacePhoto, ShowsThePartScaledWithItsProportions) {
    const Rect box{5, 5, 195, 118}; // 190 × 113, landscape
    const struct {
        Size photo;
        PhotoCrop crop;
        Rect dest, source;
    } cases[] = {
        // Unset: the whole photo, exactly where fitting puts it.
        {{300, 400}, {}, fitImageRect(box, 300, 400), {0, 0, 300, 400}},
        {{300, 400}, {0, 0, 20000, 5000}, fitImageRect(box, 300, 400), {0, 0, 300, 400}},
        // A portrait photo's middle band fills the landscape width.
        {{300, 400}, {0, 3000, 10000, 6000}, {5, 23, 195, 99}, {0, 120, 300, 240}},
        // A part of the box's own proportions covers the box.
        {{380, 2260}, {0, 1000, 10000, 2000}, {5, 5, 195, 118}, {0, 226, 380, 452}},
        // A part thinner than a pixel still shows one column.
        {{3, 1}, {9999, 0, 10000, 10000}, {43, 5, 156, 118}, {2, 0, 3, 1}},
        {{0, 400}, {0, 0, 5000, 5000}, {}, {}},
        // The part that fills the box fills it to the unit, though its pixels,
        // rounded, are a little wider (1600 × 951 for 190 × 113).
        {{1600, 1067}, coverCrop(1600, 1067, 190.0 / 113), box, {0, 58, 1600, 1009}},
    };
    for (const auto& c : cases) {
        const PhotoPlacement place = placePhoto(box, c.photo.width, c.photo.height, c.crop);
        EXPECT_EQ(place.dest, c.dest) << c.photo << " " << c.crop.left << "," << c.crop.top;
        if (!c.dest.isEmpty()) {
            EXPECT_EQ(place.source, c.source) << c.photo << " " << c.crop.left;
        }
    }
}

TEST(PlacePhoto, DecodesEnoughPixelsForThePart) {
    EXPECT_EQ(decodeBoxForCrop(Size{190, 113}, PhotoCrop{}), (Size{190, 113}));
    EXPECT_EQ(decodeBoxForCrop(Size{190, 113}, PhotoCrop{0, 3000, 10000, 6000}), (Size{190, 376}));
    EXPECT_EQ(decodeBoxForCrop(Size{2000000000, 10}, PhotoCrop{0, 0, 1, 1}),
              (Size{2147483647, 100000}));
}

// A portrait photo in the landscape photo area of a thumbnail and of a
// printed page: only the chosen band is drawn, filling the width undistorted.
TEST(CroppedPage, ThumbnailAndPrintDrawOnlyThePart) {
    testing::FakeDecoder decoder;
    decoder.files["hoch.jpg"] = Size{300, 400};
    CalendarDocument document;
    document.monthPhoto[1] = "hoch.jpg";
    document.photoCrop[1] = PhotoCrop{0, 2500, 10000, 7500};
    PageControls pages;
    for (CVeltranoCtrl& page : pages)
        page.setImageDecoder(&decoder);
    fillPageControls(pages, document, 2027);

    RecordingSurface screen{72, 72};
    pages[1].drawPreviewPage(screen, Rect{0, 0, 200, 300}); // photo box (5, 5, 195, 118)
    auto pictures = screen.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{15, 5, 185, 118})); // 170 × 113 ≈ 3 : 2, the full height
    EXPECT_EQ(pictures[0].source, (Rect{0, 100, 300, 300}));
    ASSERT_EQ(decoder.calls.size(), 1u);
    EXPECT_EQ(decoder.calls[0].box, (Size{190, 226})); // twice the height: half is shown

    testing::FakePrinter printer(testing::a4Printer(0, 20));
    PrintJob job(printer);
    ASSERT_TRUE(job.startJob("Kalender", false));
    ASSERT_TRUE(job.startPage());
    pages[1].drawMonthPage(job, Rect{0, 0, 1000, 1500}, false); // photo box (5, 5, 995, 598)
    pictures = printer.page.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{55, 5, 945, 598}));
    EXPECT_EQ(pictures[0].source, (Rect{0, 100, 300, 300}));

    decoder.files["titel.jpg"] = Size{300, 400};
    pages[0].drawTitlePage(job, Rect{0, 0, 1000, 1500}, "titel.jpg", "", document.photoCrop[1]);
    pictures = printer.page.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[1].rect, (Rect{55, 5, 945, 598}));
}

// The part was chosen on a portrait photo; then the file was replaced by a
// wide panorama. The part now names another shape of pixels: it is drawn with
// those pixels' own proportions inside the photo box, never stretched.
TEST(CroppedPage, PhotoReplacedByAnotherShapeIsDrawnUndistorted) {
    testing::TempFolder folder;
    const std::string path = folder.file("ausgetauscht.jpg");
    testing::writeFile(path, "hoch");
    testing::FakeDecoder decoder;
    decoder.files[path] = Size{600, 900};
    CalendarDocument document;
    document.monthPhoto[0] = path;
    document.photoCrop[0] = PhotoCrop{0, 3000, 10000, 6000};
    PageControls pages;
    pages[0].setImageDecoder(&decoder);
    fillPageControls(pages, document, 2027);
    RecordingSurface screen{72, 72};
    pages[0].drawPreviewPage(screen, Rect{0, 0, 200, 300});

    testing::writeFile(path, "breites Panorama");
    decoder.files[path] = Size{4000, 500};
    fillPageControls(pages, document, 2027);
    testing::FakePrinter printer(testing::a4Printer());
    PrintJob job(printer);
    ASSERT_TRUE(job.startJob("Kalender", false));
    ASSERT_TRUE(job.startPage());
    const Rect page{0, 0, 1000, 1500};
    pages[0].drawMonthPage(job, page, false);
    pages[0].drawPreviewPage(screen, page);
    auto drawn = screen.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(drawn.size(), 2u);
    drawn.push_back(printer.page.opsOf(OpKind::DrawPicture).at(0));
    for (std::size_t i = 1; i < drawn.size(); ++i) {
        const RecordedOp& op = drawn[i];
        // 4000 × 150 pixels of the panorama, fitted across (5, 5, 995, 598).
        EXPECT_EQ(op.source, (Rect{0, 150, 4000, 300})) << i;
        EXPECT_NEAR(static_cast<double>(op.rect.width()) / op.rect.height(), 4000.0 / 150, 0.5)
            << i;
        EXPECT_EQ(op.rect.left, 5) << i;
        EXPECT_EQ(op.rect.right, 995) << i;
    }
}

} // namespace
} // namespace veltrano
