#include "render/print_layouts.h"

#include "document/calendar_document.h"
#include "print_fakes.h"
#include "render/photo_crop_edit.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace veltrano {
namespace {

using testing::FakeDecoder;
using testing::FakePrinter;
using Log = std::vector<std::string>;

const char* const kMonthNames[] = {"Januar",    "Februar", "März",     "April",
                                   "Mai",       "Juni",    "Juli",     "August",
                                   "September", "Oktober", "November", "Dezember"};

class PrintLayouts : public ::testing::Test {
  protected:
    PrintLayouts() {
        decoder.files["titel.jpg"] = Size{400, 300};
        document.titlePhoto = "titel.jpg";
        document.titleText = "Natur";
        document.showHolidays = 0;
        for (CVeltranoCtrl& c : controls) {
            c.setImageDecoder(&decoder);
        }
        fillPageControls(controls, document, 2027);
    }

    // The first text drawn on page n: the year on the title page, the month
    // title on a month page without photo.
    std::string firstText(const FakePrinter& printer, std::size_t n) {
        for (const RecordedOp& op : printer.opsOfPage(n)) {
            if (op.kind == OpKind::DrawText) {
                return op.text;
            }
        }
        return "";
    }

    FakeDecoder decoder;
    CalendarDocument document;
    PageControls controls;
};

TEST_F(PrintLayouts, TitleFirstThenChosenMonthsEachOnItsOwnSheet) {
    FakePrinter printer(testing::a4Printer());
    PrintSelection selection;
    selection.months = {true,  false, true,  false, false, false,
                        false, false, false, false, false, true};
    ASSERT_TRUE(printCalendar(printer, controls, document, selection));
    EXPECT_EQ(printer.log.front(), "dialog portrait");
    EXPECT_EQ(printer.log[1], "startDocument Kalender");
    ASSERT_EQ(printer.pageStarts.size(), 4u);
    EXPECT_EQ(firstText(printer, 0), "2027");
    EXPECT_EQ(firstText(printer, 1), "Januar 2027");
    EXPECT_EQ(firstText(printer, 2), "März 2027");
    EXPECT_EQ(firstText(printer, 3), "Dezember 2027");
    EXPECT_EQ(printer.page.saveDepth(), 0);
}

// Document margins 25, 30, 25, 20 mm at 254 dpi (25 mm to the inch): the
// page is (254, 304, 1846, 2767); a month page deflates it by 3 and puts its
// grid below the photo's two fifths and a 10 mm gap, deflated by 4.
TEST_F(PrintLayouts, MonthPagesLieInsideTheDocumentMargins) {
    FakePrinter printer(testing::a4Printer());
    PrintSelection selection;
    selection.title = false;
    selection.months.fill(false);
    selection.months[0] = true;
    ASSERT_TRUE(printCalendar(printer, controls, document, selection));
    ASSERT_EQ(printer.pageStarts.size(), 1u);
    // The month title is the first text; it is drawn into the whole grid area:
    // area (257, 307, 1843, 2764), height 2457, photo box to 307 + 982.
    const std::vector<RecordedOp> page = printer.opsOfPage(0);
    const auto title = std::find_if(
        page.begin(), page.end(), [](const RecordedOp& op) { return op.kind == OpKind::DrawText; });
    ASSERT_NE(title, page.end()) << "nothing drawn on the month page";
    EXPECT_EQ(title->text, "Januar 2027");
    EXPECT_EQ(title->rect, (Rect{261, 1393, 1839, 2760}));
}

// The part that fills a frame of printedPhotoAspect must fill the printed
// photo box edge to edge, whatever the paper and margins.
TEST_F(PrintLayouts, CropOfThePrintedAspectFillsThePrintedPhotoBox) {
    PrinterMetrics letter = testing::a4Printer(40, 40);
    letter.paperWidth = 2159;
    letter.printableWidth = 2159 - 80;
    letter.paperHeight = 2794;
    letter.printableHeight = 2794 - 80;
    const struct {
        PrinterMetrics paper;
        MarginRect margins;
    } cases[] = {{testing::a4Printer(), MarginRect{}},
                 {testing::a4Printer(), MarginRect{60, 10, 60, 10}},
                 {letter, MarginRect{5, 5, 5, 5}}};
    // Many pixels, so that the part's rounding to whole pixels stays below a unit.
    decoder.files["hoch.jpg"] = Size{6000, 9000};
    PrintSelection selection;
    selection.title = false;
    selection.months.fill(false);
    selection.months[0] = true;
    for (const auto& c : cases) {
        document.margins = c.margins;
        const double aspect = printedPhotoAspect(c.paper, c.margins);
        controls[0].setPhotoPath("hoch.jpg");
        controls[0].photoCrop = coverCrop(6000, 9000, aspect);
        FakePrinter printer(c.paper);
        ASSERT_TRUE(printCalendar(printer, controls, document, selection));
        const Rect box = pagePhotoBox(calendarPageRect(c.paper, c.margins));
        const std::vector<RecordedOp> page = printer.opsOfPage(0);
        const auto photo = std::find_if(page.begin(), page.end(), [](const RecordedOp& op) {
            return op.kind == OpKind::DrawPicture;
        });
        ASSERT_NE(photo, page.end());
        EXPECT_NEAR(photo->rect.width(), box.width(), 1) << c.margins.left;
        EXPECT_NEAR(photo->rect.height(), box.height(), 1) << c.margins.left;
    }
    EXPECT_EQ(printedPhotoAspect(testing::a4Printer(), MarginRect{200, 0, 200, 0}), 1.0);
}

TEST_F(PrintLayouts, NothingChosenGivesAnEmptyDocument) {
    FakePrinter printer(testing::a4Printer());
    PrintSelection selection;
    selection.title = false;
    selection.months.fill(false);
    EXPECT_TRUE(printCalendar(printer, controls, document, selection));
    EXPECT_EQ(printer.log,
              (Log{"dialog portrait", "startDocument Kalender", "endDocument", "release"}));
}

TEST_F(PrintLayouts, FailingPageStopsAfterThePagesPrinted) {
    FakePrinter printer(testing::a4Printer());
    printer.failingStartPage = 2;
    EXPECT_FALSE(printCalendar(printer, controls, document, PrintSelection{}));
    EXPECT_EQ(printer.pageStarts.size(), 2u);
    EXPECT_EQ(printer.log.back(), "release");
    EXPECT_EQ(std::count(printer.log.begin(), printer.log.end(), "endDocument"), 0);

    FakePrinter cancelled(testing::a4Printer());
    cancelled.chooseAnswer = false;
    EXPECT_FALSE(printCalendar(cancelled, controls, document, PrintSelection{}));
    EXPECT_EQ(cancelled.log, (Log{"dialog portrait"}));
}

// Landscape A4 at 254 dpi without strips: page (101, 101, 2869, 1999); the
// 24-point heading (84 units) moves its top by 126; columns 461 wide, rows 886
// high, 30 units (3 mm) of spacing on each side of a month.
TEST_F(PrintLayouts, YearSheetPutsTwelveCompactMonthsUnderTheYear) {
    document.margins = MarginRect{50, 50, 50, 50}; // not used by the one-sheet form
    FakePrinter printer(testing::a4Printer(0, 0, true));
    ASSERT_TRUE(printYearSheet(printer, controls));
    EXPECT_EQ(printer.log, (Log{"dialog landscape", "startDocument Jahreskalender", "startPage",
                                "endPage", "endDocument", "release"}));
    const auto texts = printer.page.opsOf(OpKind::DrawText);
    ASSERT_FALSE(texts.empty());
    EXPECT_EQ(texts[0].text, "2027");
    EXPECT_EQ(texts[0].rect, (Rect{101, 101, 2869, 1999}));
    EXPECT_EQ(texts[0].state.font, (FontSpec{"Arial", 24, kWeightBold}));
    std::vector<Rect> grids;
    for (const RecordedOp& op : texts) {
        for (const char* name : kMonthNames) {
            if (op.text == name && op.flags == (TextCentre | TextSingleLine)) {
                grids.push_back(op.rect);
            }
        }
    }
    ASSERT_EQ(grids.size(), 12u);
    // Box of January (131, 227, 532, 1113): area (134, 230, 529, 1110), photo
    // two fifths to 582, gap 100, deflated by 4.
    EXPECT_EQ(grids[0], (Rect{138, 686, 525, 1106}));
    // December: column 5, row 1: box (2436, 1113, 2837, 1999).
    EXPECT_EQ(grids[11], (Rect{2443, 1572, 2830, 1992}));
    for (std::size_t i = 1; i < 12; ++i) {
        EXPECT_EQ(grids[i].left - grids[i - 1].left, i % 6 == 0 ? -5 * 461 : 461) << i;
    }
}

TEST_F(PrintLayouts, YearSheetMonthsTouchWhenTheLeftStripIsThreeMillimetres) {
    FakePrinter printer(testing::a4Printer(30, 30, true));
    ASSERT_TRUE(printYearSheet(printer, controls));
    std::vector<Rect> grids;
    for (const RecordedOp& op : printer.page.opsOf(OpKind::DrawText)) {
        if (op.text == kMonthNames[0] || op.text == kMonthNames[1]) {
            grids.push_back(op.rect);
        }
    }
    ASSERT_EQ(grids.size(), 2u);
    // Without spacing the boxes meet: the grids, each deflated by 7 on both
    // sides, are 14 units apart.
    EXPECT_EQ(grids[1].left - grids[0].right, 14);
}

TEST(PrintSelection, DefaultsToEverythingAndNextYear) {
    const PrintSelection selection;
    EXPECT_TRUE(selection.title);
    EXPECT_EQ(std::count(selection.months.begin(), selection.months.end(), true), 12);
    EXPECT_EQ(selection.year, DateValue::today().year + 1);
}

} // namespace
} // namespace veltrano
