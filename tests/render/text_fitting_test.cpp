// Texts that would not fit their place on paper are drawn smaller. The recording
// surface measures every character as half its em height, and a font of p points
// is p × dpi / 72 units high, so the expected sizes below are worked out by hand.

#include "print_fakes.h"
#include "render/month_grid.h"
#include "render/print_job.h"
#include "render/recording_surface.h"
#include "render/veltrano_ctrl.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

const RecordedOp* textOp(const std::vector<RecordedOp>& ops, const std::string& start) {
    for (const RecordedOp& op : ops) {
        if (op.kind == OpKind::DrawText && op.text.rfind(start, 0) == 0) {
            return &op;
        }
    }
    return nullptr;
}

// At 72 dpi the 8-point day texts are 4 units a character; the cells are a
// seventh of the area's width. The widest word, not the whole text, decides.
TEST(TextFitting, DayTextsWithAWordWiderThanTheirCellAreDrawnSmaller) {
    const struct {
        int areaWidth; // column width is a seventh
        const char* holiday;
        const char* text;
        int points;
    } cases[] = {
        {560, "1. Weihnachtsfeiertag", "", 8},              // 18 × 4 = 72 of 80
        {420, "1. Weihnachtsfeiertag", "", 6},              // 7: 63 > 60; 6: 54
        {350, "2. Weihnachtsfeiertag", "Essen bei Oma", 5}, // 5 points: 45 of 50
        {210, "2. Weihnachtsfeiertag", "", 5},              // never below 5 points
        {350, "Neujahr", "Geburtstagsfeier", 6},            // the day text's word: 48 of 50
        {350, "", "Ein Text aus vielen kurzen Worten", 8},  // wraps, no word too wide
    };
    for (const auto& c : cases) {
        MonthGridData data;
        ASSERT_TRUE(data.pageMonth.set(1, 12, 2026));
        data.holidayNames[24] = c.holiday;
        data.dayTexts[24] = c.text;
        RecordingSurface surface(72, 72);
        drawMonthGrid(surface, Rect{0, 0, c.areaWidth, 800}, data, false);
        const std::string start = *c.holiday != '\0' ? c.holiday : c.text;
        const RecordedOp* op = textOp(surface.ops(), start);
        ASSERT_NE(op, nullptr) << start;
        EXPECT_EQ(op->state.font.face, "Arial");
        EXPECT_EQ(op->state.font.points, c.points) << start << " in " << c.areaWidth;
        // Still one text that runs down from under the number over the cells below.
        EXPECT_EQ(op->rect.bottom, 800) << start;
        EXPECT_EQ(op->flags, TextCentre | TextWordWrap | TextNoPrefix);
    }
}

// A compact page of the year sheet, 401 × 886 units at 254 dpi: the 400 × 300
// photo is 391 wide, and so is the caption's room under it. A character is 17
// units at 10 points, 12 at 7, 10 at 6, 8 at 5. The photo ends at 325, the caption
// starts 10 units below.
TEST(TextFitting, YearSheetCaptionsShrinkToTheirPageThenEndInAnEllipsis) {
    const struct {
        std::string caption;
        int points;
        std::string shown;
    } cases[] = {
        {"Schnee", 10, "Schnee"},
        {"Winterlandschaft im verschneiten Wald", 6, // 37 characters: 444 at 7, 388 at 6
         "Winterlandschaft im verschneiten Wald"},
        {"Der lange Weg durch den verschneiten Wald hinauf zum Gipfel", 5, // 46 × 8.5 = 391
         "Der lange Weg durch den verschneiten Wald hin\u2026"},
        {"Übergroße Überschrift über alle Ränder hinaus, weit über jeden Rand", 5,
         "Übergroße Überschrift über alle Ränder hinaus\u2026"},
    };
    for (const auto& c : cases) {
        testing::FakePrinter printer(testing::a4Printer());
        testing::FakeDecoder decoder;
        decoder.files["foto.jpg"] = Size{400, 300};
        CVeltranoCtrl page(&decoder);
        ASSERT_TRUE(page.pageMonth.set(1, 1, 2027));
        page.photoPath = "foto.jpg";
        page.caption = c.caption;
        PrintJob job(printer);
        ASSERT_TRUE(job.startJob("Jahreskalender", true));
        ASSERT_TRUE(job.startPage());
        page.drawMonthPage(job, Rect{0, 0, 401, 886}, true);
        const RecordedOp* op = textOp(printer.page.ops(), c.shown);
        ASSERT_NE(op, nullptr) << c.caption;
        EXPECT_EQ(op->text, c.shown);
        EXPECT_EQ(op->state.font.face, "MS Sans Serif");
        EXPECT_EQ(op->state.font.points, c.points) << c.caption;
        EXPECT_EQ(op->rect.width(), 391);
        EXPECT_EQ(op->flags, TextRight | TextSingleLine | TextNoPrefix);
        // The grid stays where a full-size caption puts it, in line with its neighbours:
        // 335 + 35 (10 points) + 100 (10 mm), deflated by 4.
        const RecordedOp* grid = textOp(printer.page.ops(), "Januar");
        ASSERT_NE(grid, nullptr);
        EXPECT_EQ(grid->rect.top, 474) << c.caption;
        EXPECT_TRUE(job.endJob());
    }
}

} // namespace
} // namespace veltrano
