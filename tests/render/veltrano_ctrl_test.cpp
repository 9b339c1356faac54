#include "render/veltrano_ctrl.h"

#include "core/holidays.h"
#include "document/calendar_document.h"
#include "document/calendar_limits.h"
#include "print_fakes.h"
#include "render/photo_loader.h"
#include "render/print_job.h"
#include "render/recording_surface.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace veltrano {
namespace {

using testing::FakeDecoder;
using testing::FakePrinter;

DateValue firstOf(int month, int year) {
    DateValue date;
    date.day = 1;
    date.month = month;
    date.year = year;
    return date;
}

std::vector<RecordedOp> opsOf(const std::vector<RecordedOp>& ops, OpKind kind) {
    std::vector<RecordedOp> found;
    std::copy_if(ops.begin(), ops.end(), std::back_inserter(found),
                 [kind](const RecordedOp& op) { return op.kind == kind; });
    return found;
}

// The rectangle a month grid was drawn into: its title row is drawn into the
// whole grid area.
Rect gridAreaOf(const std::vector<RecordedOp>& ops, const std::string& title) {
    for (const RecordedOp& op : opsOf(ops, OpKind::DrawText)) {
        if (op.text == title) {
            return op.rect;
        }
    }
    ADD_FAILURE() << "no grid titled " << title;
    return {};
}

TEST(VeltranoCtrl, StartsWithTheConstructionValues) {
    const CVeltranoCtrl page;
    EXPECT_TRUE(page.photoStale);
    EXPECT_EQ(page.pageMonth, DateValue::today());
    EXPECT_TRUE(page.photoPath.empty());
    EXPECT_TRUE(page.caption.empty());
    EXPECT_TRUE(page.dayFrames);
    EXPECT_EQ(page.fontSize, 12);
    EXPECT_EQ(page.photo(), nullptr);
    for (int d = 0; d < 31; ++d) {
        EXPECT_TRUE(page.dayTexts[d].empty() && page.holidayNames[d].empty());
        EXPECT_EQ(page.dayColours[d], 0);
    }
}

class PreviewPage : public ::testing::Test {
  protected:
    PreviewPage() : page(&decoder) {
        decoder.files["foto.jpg"] = Size{400, 300};
        page.pageMonth = firstOf(3, 2027);
        page.photoPath = "foto.jpg";
    }

    FakeDecoder decoder;
    CVeltranoCtrl page;
    RecordingSurface surface{72, 72};
};

// Client 200 × 300: area (3, 3, 197, 297), photo box (5, 5, 195, 118), grid
// from 10 units below the photo's two fifths, deflated by 4.
TEST_F(PreviewPage, PlacesSheetPhotoAndGrid) {
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    const auto rects = surface.opsOf(OpKind::DrawRect);
    ASSERT_FALSE(rects.empty());
    EXPECT_EQ(rects[0].rect, (Rect{0, 0, 200, 300}));
    EXPECT_EQ(rects[0].state.brush, Brush::solid(kWhite));
    EXPECT_EQ(rects[0].state.pen, Pen::solid(kBlack));
    const auto pictures = surface.opsOf(OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{25, 5, 175, 118}));
    EXPECT_EQ(gridAreaOf(surface.ops(), "März 2027"), (Rect{7, 134, 193, 293}));
    EXPECT_EQ(surface.saveDepth(), 0);
    ASSERT_EQ(decoder.calls.size(), 1u);
    EXPECT_EQ(decoder.calls[0].box, (Size{190, 113})); // decoded for the size shown
    EXPECT_FALSE(page.photoStale);
}

TEST_F(PreviewPage, DecodesOnlyAfterInvalidation) {
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    EXPECT_EQ(decoder.calls.size(), 1u);
    page.invalidatePhoto();
    EXPECT_EQ(page.photo(), nullptr);
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    EXPECT_EQ(decoder.calls.size(), 2u);
}

TEST_F(PreviewPage, UndecodablePhotoIsTriedOnceAndKeepsTheLayout) {
    page.photoPath = "kaputt.jpg";
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    EXPECT_EQ(decoder.calls.size(), 1u);
    EXPECT_TRUE(surface.opsOf(OpKind::DrawPicture).empty());
    EXPECT_EQ(gridAreaOf(surface.ops(), "März 2027"), (Rect{7, 134, 193, 293}));
}

TEST_F(PreviewPage, GrownWindowGetsASharperPhotoAndCollapsedOneDecodesNothing) {
    page.drawPreviewPage(surface, Rect{0, 0, 6, 6}); // no room for a photo
    EXPECT_TRUE(decoder.calls.empty());
    EXPECT_TRUE(page.photoStale);
    page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
    page.drawPreviewPage(surface, Rect{0, 0, 100, 150}); // smaller: the copy suffices
    ASSERT_EQ(decoder.calls.size(), 1u);
    page.drawPreviewPage(surface, Rect{0, 0, 400, 600});
    ASSERT_EQ(decoder.calls.size(), 2u);
    EXPECT_EQ(decoder.calls[1].box, (Size{390, 233}));
    EXPECT_EQ(page.photoPixels(), (Size{311, 233}));
}

class PrintedPage : public ::testing::Test {
  protected:
    // 10 units a millimetre; the top strip of 2 mm makes the 10 mm gap 80.
    PrintedPage() : printer(testing::a4Printer(0, 20)), page(&decoder), job(printer) {
        decoder.files["foto.jpg"] = Size{400, 300};
        page.pageMonth = firstOf(1, 2027);
        page.photoPath = "foto.jpg";
        page.caption = "Stille & Schnee";
        EXPECT_TRUE(job.startJob("Kalender", false));
        EXPECT_TRUE(job.startPage());
    }

    FakePrinter printer;
    FakeDecoder decoder;
    CVeltranoCtrl page;
    PrintJob job;
};

// Rect (0, 0, 1000, 1500): area (3, 3, 997, 1497), photo box (5, 5, 995, 598),
// photo 790 × 593 centred, caption 6 units (5 mm less the strip, / 5) below.
TEST_F(PrintedPage, CaptionSitsUnderThePhotoAndPushesTheGridDown) {
    page.drawMonthPage(job, Rect{0, 0, 1000, 1500}, false);
    const auto& ops = printer.page.ops();
    const auto pictures = opsOf(ops, OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{105, 5, 895, 598}));
    const auto texts = opsOf(ops, OpKind::DrawText);
    ASSERT_FALSE(texts.empty());
    const RecordedOp& caption = texts[0];
    EXPECT_EQ(caption.text, "Stille & Schnee");
    EXPECT_EQ(caption.rect, (Rect{5, 604, 895, 1495}));
    EXPECT_EQ(caption.flags, TextRight | TextSingleLine | TextNoPrefix);
    EXPECT_EQ(caption.state.font, (FontSpec{"MS Sans Serif", 10}));
    // 10 points at 254 dpi: 35 units; 604 + 35 + 80 lies below 600 + 80.
    EXPECT_EQ(gridAreaOf(ops, "Januar 2027"), (Rect{7, 723, 993, 1493}));
    EXPECT_EQ(printer.page.saveDepth(), 0);
    ASSERT_EQ(decoder.calls.size(), 1u);
    EXPECT_EQ(decoder.calls[0].box, (Size{990, 593}));
}

TEST_F(PrintedPage, GridKeepsItsPlaceWithoutCaptionOrPhoto) {
    const struct {
        const char* photo;
        const char* caption;
        bool pictureDrawn;
    } cases[] = {{"foto.jpg", "", true}, {"fehlt.jpg", "Stille", false}, {"", "Stille", false}};
    for (const auto& c : cases) {
        printer.page.clear();
        page.photoPath = c.photo;
        page.caption = c.caption;
        page.invalidatePhoto();
        page.drawMonthPage(job, Rect{0, 0, 1000, 1500}, false);
        const auto& ops = printer.page.ops();
        EXPECT_EQ(opsOf(ops, OpKind::DrawPicture).size(), c.pictureDrawn ? 1u : 0u) << c.photo;
        EXPECT_EQ(gridAreaOf(ops, "Januar 2027"), (Rect{7, 684, 993, 1493})) << c.photo;
        for (const RecordedOp& op : opsOf(ops, OpKind::DrawText)) {
            EXPECT_NE(op.text, "Stille") << "caption printed without a photo";
        }
    }
}

TEST_F(PrintedPage, CompactPageUsesTheCompactGrid) {
    page.caption.clear();
    page.drawMonthPage(job, Rect{0, 0, 1000, 1500}, true);
    EXPECT_EQ(gridAreaOf(printer.page.ops(), "Januar"), (Rect{7, 684, 993, 1493}));
}

// Margins that leave no page: nothing drawn, nothing decoded.
TEST_F(PrintedPage, EmptyOrTinyRectangleDrawsNothing) {
    for (const Rect rect : {Rect{}, Rect{10, 10, 15, 15}, Rect{50, 50, 20, 20}}) {
        page.drawMonthPage(job, rect, false);
        page.drawTitlePage(job, rect, "foto.jpg", "Titel");
    }
    EXPECT_TRUE(printer.page.ops().empty());
    EXPECT_TRUE(decoder.calls.empty());
}

TEST_F(PrintedPage, PhotoForPaperIsDecodedForPrintResolution) {
    PrinterMetrics metrics = testing::a4Printer();
    metrics.dpiX = metrics.dpiY = 600;
    FakePrinter finePrinter(metrics);
    PrintJob fine(finePrinter);
    ASSERT_TRUE(fine.startJob("Kalender", false));
    ASSERT_TRUE(fine.startPage());
    // A cached screen copy is too small for paper: the page is printed from a
    // copy decoded for it, and the screen copy stays in the cache.
    page.loadPagePhoto(Size{100, 100});
    page.photoStale = false;
    page.drawMonthPage(fine, Rect{0, 0, 1000, 1500}, false);
    ASSERT_EQ(decoder.calls.size(), 2u);
    EXPECT_EQ(decoder.calls[1].box, (Size{495, 297})); // 990 × 593 at 600 dpi for 300
    EXPECT_EQ(page.photoPixels(), (Size{100, 75}));
}

// Title page in (0, 0, 1000, 1500): text area (7, 684, 993, 1493); the year in
// 30 points (105 units at 254 dpi) moves the text down by 157.
TEST_F(PrintedPage, TitlePageShowsPhotoYearAndText) {
    decoder.files["titel.jpg"] = Size{300, 400};
    page.drawTitlePage(job, Rect{0, 0, 1000, 1500}, "titel.jpg", "Natur\r\ndurch das Jahr & mehr");
    const auto& ops = printer.page.ops();
    const auto pictures = opsOf(ops, OpKind::DrawPicture);
    ASSERT_EQ(pictures.size(), 1u);
    EXPECT_EQ(pictures[0].rect, (Rect{278, 5, 722, 598}));
    const auto texts = opsOf(ops, OpKind::DrawText);
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0].text, "2027");
    EXPECT_EQ(texts[0].rect, (Rect{7, 684, 993, 1493}));
    EXPECT_EQ(texts[0].flags, TextCentre | TextSingleLine);
    EXPECT_EQ(texts[0].state.font, (FontSpec{"Arial", 30, kWeightBold}));
    EXPECT_EQ(texts[1].rect, (Rect{7, 841, 993, 1493}));
    EXPECT_EQ(texts[1].flags, TextCentre | TextWordWrap | TextNoPrefix);
    EXPECT_EQ(texts[1].state.font, (FontSpec{"Arial", 24}));
    // Never cached: every print decodes the title photo again.
    page.drawTitlePage(job, Rect{0, 0, 1000, 1500}, "titel.jpg", "");
    EXPECT_EQ(decoder.calls.size(), 2u);
    EXPECT_EQ(page.photo(), nullptr);
    EXPECT_EQ(printer.page.saveDepth(), 0);
}

TEST(FillPageControls, CopiesEachMonthAndDropsCachedPhotos) {
    FakeDecoder decoder;
    decoder.files["alt.jpg"] = Size{10, 10};
    PageControls controls;
    for (CVeltranoCtrl& c : controls) {
        c.setImageDecoder(&decoder);
        c.photoPath = "alt.jpg";
        c.loadPagePhoto();
        c.photoStale = false;
        c.holidayNames[4] = "alt";
    }
    CalendarDocument doc;
    doc.dayFrames = 1;
    doc.fontSize = 14;
    doc.weekNumbers = 1;
    doc.showHolidays = 0;
    doc.monthPhoto[2] = "maerz.jpg";
    doc.monthText[2] = "Schnee";
    doc.dayText[2][13] = "Geburtstag";
    doc.dayColour[2][13] = 3;
    fillPageControls(controls, doc, 2027);
    for (int m = 0; m < 12; ++m) {
        const CVeltranoCtrl& c = controls[m];
        EXPECT_EQ(c.pageMonth, firstOf(m + 1, 2027));
        EXPECT_TRUE(c.dayFrames);
        EXPECT_TRUE(c.weekNumbers);
        EXPECT_EQ(c.fontSize, 14);
        EXPECT_TRUE(c.photoStale);
        EXPECT_EQ(c.photo(), nullptr);
        EXPECT_EQ(c.dayTexts, doc.dayText[m]);
        EXPECT_EQ(c.dayColours, doc.dayColour[m]);
        EXPECT_TRUE(std::all_of(c.holidayNames.begin(), c.holidayNames.end(),
                                [](const std::string& n) { return n.empty(); }));
    }
    EXPECT_EQ(controls[2].photoPath, "maerz.jpg");
    EXPECT_EQ(controls[2].caption, "Schnee");
    EXPECT_TRUE(controls[0].photoPath.empty());
}

// A huge text stays whole in the document; the pages lay out only what they can show.
TEST(FillPageControls, PagesGetAtMostTheDrawablePartOfATextTheDocumentKeeps) {
    PageControls controls;
    CalendarDocument doc;
    doc.dayText[4][0] = std::string(10 * kMaxDrawnTextBytes, 'x');
    doc.monthText[4] = std::string(2 * kMaxDrawnTextBytes, 'y');
    fillPageControls(controls, doc, 2027);
    EXPECT_EQ(controls[4].dayTexts[0].size(), kMaxDrawnTextBytes);
    EXPECT_EQ(controls[4].caption.size(), kMaxDrawnTextBytes);
    EXPECT_EQ(doc.dayText[4][0].size(), 10 * kMaxDrawnTextBytes);
}

// A refresh after a text edit must not decode every photo again, but a photo
// file replaced on disk must show its new content.
TEST(FillPageControls, KeepsADecodedPhotoUntilItsFileChanges) {
    testing::TempFolder folder;
    const std::string photo = folder.file("maerz.jpg");
    testing::writeFile(photo, "first");
    FakeDecoder decoder;
    decoder.files[photo] = Size{400, 300};
    PageControls controls;
    for (CVeltranoCtrl& c : controls) {
        c.setImageDecoder(&decoder);
    }
    CalendarDocument doc;
    doc.monthPhoto[2] = photo;
    RecordingSurface screen(96, 96);
    fillPageControls(controls, doc, 2027);
    controls[2].drawPreviewPage(screen, Rect{0, 0, 200, 300});
    ASSERT_EQ(decoder.calls.size(), 1u);

    doc.dayText[2][4] = "Geburtstag";
    fillPageControls(controls, doc, 2027);
    controls[2].drawPreviewPage(screen, Rect{0, 0, 200, 300});
    EXPECT_EQ(decoder.calls.size(), 1u) << "same file, unchanged: the cached photo is drawn";
    EXPECT_NE(controls[2].photo(), nullptr);

    testing::writeFile(photo, "second, longer content");
    fillPageControls(controls, doc, 2027);
    controls[2].drawPreviewPage(screen, Rect{0, 0, 200, 300});
    EXPECT_EQ(decoder.calls.size(), 2u) << "a changed file is decoded again";

    doc.monthPhoto[2].clear();
    fillPageControls(controls, doc, 2027);
    EXPECT_EQ(controls[2].photo(), nullptr);
}

// Finds a region and year where two listed holidays of different names fall
// on one day; the later one in the list must be shown.
TEST(FillPageControls, LaterHolidayOfTheListWinsADay) {
    for (std::int32_t region = 0; region < holidayRegionCount; ++region) {
        for (std::int32_t year = 2000; year <= 2040; ++year) {
            HolidayList list;
            list.region = region;
            list.setRegionDefaults();
            list.computeDates(year);
            for (std::int32_t i = 0; i < list.count(); ++i) {
                for (std::int32_t j = i + 1; j < list.count(); ++j) {
                    const DateValue date = list.date(i);
                    if (date.isEmpty() || !(date == list.date(j)) ||
                        list.holidayName(i) == list.holidayName(j)) {
                        continue;
                    }
                    CalendarDocument doc;
                    doc.region = region;
                    PageControls controls;
                    fillPageControls(controls, doc, year);
                    std::int32_t last = j;
                    for (std::int32_t k = j + 1; k < list.count(); ++k) {
                        last = list.date(k) == date ? k : last;
                    }
                    EXPECT_EQ(controls[date.month - 1].holidayNames[date.day - 1],
                              list.holidayName(last));
                    return;
                }
            }
        }
    }
    FAIL() << "no two holidays share a day";
}

// Answers requests only when the test says so, as a worker pool would later.
class FakeLoader : public PhotoLoader {
  public:
    struct Request {
        std::string path;
        Size box;
        PhotoReceiver* receiver;
        std::uint64_t ticket;
    };
    std::vector<Request> requests;
    std::vector<PhotoReceiver*> cancelled;

    std::uint64_t request(const std::string& path, Size box, PhotoReceiver& receiver) override {
        requests.push_back({path, box, &receiver, requests.size() + 1});
        return requests.back().ticket;
    }
    void cancel(PhotoReceiver& receiver) override { cancelled.push_back(&receiver); }
    void answer(std::size_t index, Size own) {
        const Request& r = requests.at(index);
        r.receiver->photoArrived(r.ticket,
                                 DecodedImage{std::make_unique<BlankPicture>(own.width, own.height),
                                              decodedPixelSize(own, r.box)});
    }
};

class LoadedPreview : public ::testing::Test {
  protected:
    LoadedPreview() {
        page.pageMonth = firstOf(3, 2027);
        page.setPhotoLoader(&loader);
        page.setPhotoChangedHandler([this] { ++changes; });
        page.setPhotoPath("a.jpg");
    }
    std::size_t picturesDrawn() {
        surface.clear();
        page.drawPreviewPage(surface, Rect{0, 0, 200, 300});
        EXPECT_FALSE(opsOf(surface.ops(), OpKind::DrawText).empty()) << "grid missing";
        return opsOf(surface.ops(), OpKind::DrawPicture).size();
    }

    FakeLoader loader;
    CVeltranoCtrl page;
    RecordingSurface surface{72, 72};
    int changes = 0;
};

TEST_F(LoadedPreview, DrawsThePageWithoutWaitingAndThePhotoOnArrival) {
    EXPECT_EQ(picturesDrawn(), 0u);
    ASSERT_EQ(loader.requests.size(), 1u);
    EXPECT_EQ(loader.requests[0].path, "a.jpg");
    EXPECT_EQ(loader.requests[0].box, (Size{190, 113}));
    EXPECT_EQ(picturesDrawn(), 0u);
    EXPECT_EQ(loader.requests.size(), 1u) << "asked again while under way";
    loader.answer(0, Size{400, 300});
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(picturesDrawn(), 1u);
    EXPECT_EQ(loader.requests.size(), 1u);
}

TEST_F(LoadedPreview, PhotoIsAskedForAtTheScreensDevicePixels) {
    const struct {
        double ratio;
        Size box;
    } screens[] = {{1.5, {285, 170}}, {2.0, {380, 226}}, {0.5, {380, 226}}};
    for (const auto& screen : screens) {
        page.setScreenPixelRatio(screen.ratio);
        picturesDrawn();
        loader.answer(loader.requests.size() - 1, Size{4000, 3000});
        EXPECT_EQ(loader.requests.back().box, screen.box) << screen.ratio;
    }
    // A ratio below 1 counts as 1, for which the sharper copy held is enough.
    EXPECT_EQ(loader.requests.size(), 2u);
}

TEST_F(LoadedPreview, PhotoChangedInFlightNeverShowsTheOldPicture) {
    picturesDrawn();
    page.setPhotoPath("b.jpg");
    loader.answer(0, Size{400, 300}); // a.jpg, too late
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(page.photo(), nullptr);
    EXPECT_EQ(picturesDrawn(), 0u);
    ASSERT_EQ(loader.requests.size(), 2u);
    EXPECT_EQ(loader.requests[1].path, "b.jpg");
    loader.answer(1, Size{300, 400});
    ASSERT_NE(page.photo(), nullptr);
    EXPECT_EQ(page.photo()->height(), 400);
}

TEST_F(LoadedPreview, GoingAwayCancelsWhatIsDue) {
    picturesDrawn();
    {
        CVeltranoCtrl other;
        other.setPhotoLoader(&loader);
    }
    EXPECT_EQ(loader.cancelled.size(), 1u);
}

// The place of a photo that cannot be shown: its name and the reason on
// screen, nothing on paper.
TEST_F(PrintedPage, UnshowablePhotoIsNamedOnScreenOnly) {
    const struct {
        PhotoProblem problem;
        const char* text;
    } cases[] = {{PhotoProblem::NotFound, "kaputt.jpg\nnicht gefunden"},
                 {PhotoProblem::Unreadable, "kaputt.jpg\nkann nicht gelesen werden"}};
    for (const auto& c : cases) {
        decoder.problems["/bilder/kaputt.jpg"] = c.problem;
        page.setPhotoPath("/bilder/kaputt.jpg");
        page.invalidatePhoto();
        RecordingSurface screen{72, 72};
        page.drawPreviewPage(screen, Rect{0, 0, 200, 300});
        const auto texts = opsOf(screen.ops(), OpKind::DrawText);
        const bool named = std::any_of(texts.begin(), texts.end(), [&c](const RecordedOp& op) {
            return op.text == c.text && op.rect.top >= 5 && op.rect.bottom <= 118;
        });
        EXPECT_TRUE(named) << c.text;
        printer.page.clear();
        page.drawMonthPage(job, Rect{0, 0, 1000, 1500}, false);
        for (const RecordedOp& op : opsOf(printer.page.ops(), OpKind::DrawText)) {
            EXPECT_EQ(op.text.find("kaputt"), std::string::npos) << "printed: " << op.text;
        }
    }
}

// Printing decodes for the print only: no page keeps a print-size photo.
TEST_F(PrintedPage, PrintedPhotoIsNotKeptByThePage) {
    page.drawMonthPage(job, Rect{0, 0, 1000, 1500}, false);
    EXPECT_EQ(opsOf(printer.page.ops(), OpKind::DrawPicture).size(), 1u);
    EXPECT_EQ(page.photo(), nullptr);
}

} // namespace
} // namespace veltrano
