#include "render/month_grid.h"
#include "render/recording_surface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace veltrano {
namespace {

// At 72 dpi a font of p points is p units high and every character p / 2 wide.
constexpr int kDpi = 72;
// Columns 101 wide, rows 101 high, starting at (10, 20).
constexpr Rect kArea{10, 20, 717, 829};

DateValue monthOf(int month, int year) {
    DateValue date;
    EXPECT_TRUE(date.set(1, month, year));
    return date;
}

MonthGridData pageOf(int month, int year) {
    MonthGridData data;
    data.pageMonth = monthOf(month, year);
    return data;
}

std::vector<RecordedOp> textsDrawn(const RecordingSurface& surface) {
    return surface.opsOf(OpKind::DrawText);
}

// The drawText call that drew the day number d.
RecordedOp numberOp(const RecordingSurface& surface, int day) {
    for (const RecordedOp& op : textsDrawn(surface)) {
        if (op.text == std::to_string(day) && op.flags == (TextCentre | TextSingleLine)) {
            return op;
        }
    }
    ADD_FAILURE() << "day " << day << " not drawn";
    return {};
}

struct GeometryCase {
    int month;
    int year;
    int lead;
    int days;
    int lastRow;
    int lastCol;
};

TEST(MonthGrid, DaysSitInTheirWeekdayColumnsAndWeekRows) {
    const GeometryCase cases[] = {
        {1, 2024, 0, 31, 4, 2},  // 1st a Monday: column 0
        {9, 2024, 6, 30, 5, 0},  // 30 days from a Sunday: six rows
        {3, 2025, 5, 31, 5, 0},  // 31 days from a Saturday: six rows
        {12, 2024, 6, 31, 5, 1}, // 31 days from a Sunday
        {1, 2027, 4, 31, 4, 6},  // 35 cells exactly: five rows
        {2, 2027, 0, 28, 3, 6},  // common February from a Monday: four rows
        {2, 2024, 3, 29, 4, 3},  // leap February
    };
    for (const GeometryCase& c : cases) {
        const MonthGridGeometry grid = computeMonthGrid(kArea, monthOf(c.month, c.year));
        SCOPED_TRACE(::testing::Message() << c.month << "/" << c.year);
        EXPECT_EQ(grid.lead, c.lead);
        EXPECT_EQ(grid.dayCount, c.days);
        const int weeksTop = 20 + 2 * 101;
        const Rect first = grid.cellRect(1);
        EXPECT_EQ(first,
                  (Rect{10 + 101 * c.lead, weeksTop, 10 + 101 * (c.lead + 1) + 1, weeksTop + 102}));
        const Rect last = grid.cellRect(c.days);
        EXPECT_EQ(last.left, 10 + 101 * c.lastCol);
        EXPECT_EQ(last.top, weeksTop + 101 * c.lastRow);
        EXPECT_EQ(grid.numberRect(c.days),
                  (Rect{last.left, last.top, last.left + 101, kArea.bottom}));
    }
}

TEST(MonthGrid, RowsAndColumnsTruncateAndTheRemainderStaysEmpty) {
    const MonthGridGeometry grid = computeMonthGrid(Rect{0, 0, 76, 87}, monthOf(9, 2024));
    EXPECT_EQ(grid.colWidth, 10);
    EXPECT_EQ(grid.rowHeight, 10);
    EXPECT_EQ(grid.weekdayRects[6], (Rect{60, 10, 70, 87}));
    EXPECT_EQ(grid.cellRect(30), (Rect{0, 70, 11, 81}));
}

TEST(MonthGrid, PrintedFormDrawsTitleWeekdaysAndNumbersInItsFonts) {
    struct FormCase {
        bool compact;
        int fontSize;
        const char* title;
        int titlePoints;
        int numberPoints;
    };
    const FormCase cases[] = {
        {false, 12, "September 2024", 30, 12},
        {false, 0, "September 2024", 30, 1}, // nonsense sizes are drawn sanely
        {false, -40, "September 2024", 30, 1},
        {false, 5000, "September 2024", 30, 200},
        {true, 12, "September", 11, 10}, // compact ignores the page's size
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.title + std::to_string(c.fontSize));
        MonthGridData data = pageOf(9, 2024);
        data.fontSize = c.fontSize;
        RecordingSurface surface(kDpi, kDpi);
        drawMonthGrid(surface, kArea, data, c.compact);
        const std::vector<RecordedOp> texts = textsDrawn(surface);
        ASSERT_GE(texts.size(), 8u);
        EXPECT_EQ(texts[0].text, c.title);
        EXPECT_EQ(texts[0].rect, kArea);
        EXPECT_EQ(texts[0].state.font, (FontSpec{"Arial", c.titlePoints, 700}));
        EXPECT_EQ(texts[1].text, "Mo");
        EXPECT_EQ(texts[7].text, "So");
        EXPECT_EQ(texts[7].rect, (Rect{616, 121, 717, 829}));
        EXPECT_EQ(texts[7].state.font, (FontSpec{"Arial", c.numberPoints, 700}));
        EXPECT_EQ(numberOp(surface, 2).state.font, (FontSpec{"Arial", c.numberPoints, 400}));
    }
}

TEST(MonthGrid, SundaysAndHolidaysAreRedOnPaperAndBoldOnlyThere) {
    // 1 September 2024 is a Sunday; the 3rd a Tuesday.
    struct DayCase {
        int day;
        const char* holiday;
        const char* text;
        bool preview;
        Colour colour;
        int weight;
    };
    const Colour red = rgb(255, 0, 0);
    const DayCase cases[] = {
        {1, "", "", false, red, 700},
        {3, "", "", false, kBlack, 400},
        {3, "Feiertag", "", false, red, 700},
        {3, "", "Geburtstag", false, kBlack, 400},
        {1, "", "", true, red, 400},
        {3, "Feiertag", "", true, red, 400},
        {3, "", "Geburtstag", true, kBlack, 700},
        {1, "", "Geburtstag", true, red, 700},
    };
    for (const DayCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.day << c.holiday << c.text << c.preview);
        MonthGridData data = pageOf(9, 2024);
        data.holidayNames[static_cast<std::size_t>(c.day - 1)] = c.holiday;
        data.dayTexts[static_cast<std::size_t>(c.day - 1)] = c.text;
        RecordingSurface surface(kDpi, kDpi);
        if (c.preview) {
            drawPreviewGrid(surface, kArea, data);
        } else {
            drawMonthGrid(surface, kArea, data, false);
        }
        const RecordedOp op = numberOp(surface, c.day);
        EXPECT_EQ(op.state.textColour, c.colour);
        EXPECT_EQ(op.state.font.weight, c.weight);
        EXPECT_EQ(op.state.backgroundMode, BackgroundMode::Transparent);
    }
}

TEST(MonthGrid, FramesEveryDayOfTheMonthInItsColour) {
    for (bool preview : {false, true}) {
        MonthGridData data = pageOf(2, 2027);
        data.dayColours[0] = 1;
        data.dayColours[27] = 4;
        data.dayTexts[5] = "Text";
        RecordingSurface surface(kDpi, kDpi);
        preview ? drawPreviewGrid(surface, kArea, data) : drawMonthGrid(surface, kArea, data, true);
        const std::vector<RecordedOp> rects = surface.opsOf(OpKind::DrawRect);
        ASSERT_EQ(rects.size(), 28u) << "only the days of the month are framed";
        EXPECT_TRUE(surface.opsOf(OpKind::DrawEllipse).empty());
        EXPECT_EQ(rects[0].rect, (Rect{10, 222, 112, 324}));
        EXPECT_EQ(rects[0].state.brush, Brush::solid(rgb(190, 210, 255)));
        EXPECT_EQ(rects[0].state.pen, Pen::solid(kBlack, 1));
        EXPECT_EQ(rects[1].state.brush, Brush::solid(kWhite));
        EXPECT_EQ(rects[27].rect, (Rect{616, 525, 718, 627}));
        EXPECT_EQ(rects[27].state.brush, Brush::solid(rgb(190, 255, 200)));
    }
}

TEST(MonthGrid, WithoutFramesColouredDaysGetACircleOnPaper) {
    MonthGridData data = pageOf(9, 2024);
    data.dayFrames = false;
    data.fontSize = 20; // h of "000" = 20
    data.dayColours[0] = 2;
    data.dayColours[1] = 3;
    data.dayColours[2] = 7; // not a day colour: drawn as white, so no circle
    data.dayTexts[3] = "Text only";
    RecordingSurface surface(kDpi, kDpi);
    drawMonthGrid(surface, kArea, data, false);
    EXPECT_TRUE(surface.opsOf(OpKind::DrawRect).empty());
    const std::vector<RecordedOp> circles = surface.opsOf(OpKind::DrawEllipse);
    ASSERT_EQ(circles.size(), 2u);
    // Cell of the 1st: (616, 222, 718, 324); 30 across, middle 10 below the top.
    EXPECT_EQ(circles[0].rect, (Rect{652, 217, 682, 247}));
    EXPECT_EQ(circles[0].state.pen, Pen::none());
    EXPECT_EQ(circles[0].state.brush, Brush::solid(rgb(255, 200, 200)));
    EXPECT_EQ(circles[1].rect, (Rect{46, 318, 76, 348}));
    EXPECT_EQ(circles[1].state.brush, Brush::solid(rgb(255, 255, 200)));
}

TEST(MonthGrid, PreviewMarksColouredDaysAndDaysWithTextByAnEllipse) {
    MonthGridData data = pageOf(9, 2024);
    data.dayFrames = false;
    data.dayColours[0] = 1;
    data.dayTexts[1] = "Text";
    RecordingSurface surface(kDpi, kDpi);
    drawPreviewGrid(surface, kArea, data); // 11 points: "000" is 16 x 11
    const std::vector<RecordedOp> marks = surface.opsOf(OpKind::DrawEllipse);
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].rect, (Rect{658, 222, 674, 235})); // cx = 616 + 50
    EXPECT_EQ(marks[0].state.brush, Brush::solid(rgb(190, 210, 255)));
    EXPECT_EQ(marks[1].rect, (Rect{52, 323, 68, 336})); // cx = 10 + 50
    EXPECT_EQ(marks[1].state.brush, Brush::solid(kWhite));
    EXPECT_EQ(marks[1].state.pen, Pen::none());
}

TEST(MonthGrid, HolidayNameAndDayTextRunUnderTheNumber) {
    struct TextCase {
        const char* holiday;
        const char* text;
        const char* shown;
        int height;
    };
    const TextCase cases[] = {
        {"Neujahr", "Party", "Neujahr\r\nParty", 16},
        {"Neujahr", "", "Neujahr\r\n", 16}, // the name and an empty line
        {"", "Tom & Jerry", "Tom & Jerry", 8},
    };
    for (const TextCase& c : cases) {
        MonthGridData data = pageOf(9, 2024);
        data.fontSize = 14;
        data.holidayNames[0] = c.holiday;
        data.dayTexts[0] = c.text;
        RecordingSurface surface(kDpi, kDpi);
        drawMonthGrid(surface, kArea, data, false);
        const std::vector<RecordedOp> texts = textsDrawn(surface);
        const auto found = std::find_if(texts.begin(), texts.end(),
                                        [&](const RecordedOp& op) { return op.text == c.shown; });
        ASSERT_NE(found, texts.end()) << c.shown;
        EXPECT_EQ(found->rect, (Rect{616, 222 + 14, 717, 829}));
        EXPECT_EQ(found->flags, TextCentre | TextWordWrap | TextNoPrefix);
        EXPECT_EQ(found->state.font, (FontSpec{"Arial", 8, 400}));
        EXPECT_EQ(found->state.textColour, kBlack);
        EXPECT_EQ(found->result, c.height);
        EXPECT_EQ(texts.size(), 8u + 30u + 1u) << "one text for the one day with text";
    }
}

TEST(MonthGrid, CompactAndPreviewFormsPrintNoTexts) {
    MonthGridData data = pageOf(9, 2024);
    data.holidayNames[0] = "Feiertag";
    data.dayTexts[4] = "Geburtstag";
    for (bool preview : {false, true}) {
        RecordingSurface surface(kDpi, kDpi);
        preview ? drawPreviewGrid(surface, kArea, data) : drawMonthGrid(surface, kArea, data, true);
        EXPECT_EQ(textsDrawn(surface).size(), 8u + 30u) << preview;
    }
}

TEST(MonthGrid, WeekColumnHoldsTheIsoWeekOfEachRow) {
    struct WeekCase {
        int month;
        int year;
        std::vector<int> weeks;
    };
    const WeekCase cases[] = {
        {9, 2024, {35, 36, 37, 38, 39, 40}}, // six rows from a Sunday
        {1, 2027, {53, 1, 2, 3, 4}},         // 1 January in the last week of 2026
        {12, 2024, {48, 49, 50, 51, 52, 1}}, // 30 December in week 1 of 2025
        {2, 2027, {5, 6, 7, 8}},             // four rows
    };
    for (const WeekCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.month << "/" << c.year);
        const MonthGridGeometry grid = computeMonthGrid(kArea, monthOf(c.month, c.year), true);
        ASSERT_EQ(grid.weekRows, static_cast<int>(c.weeks.size()));
        for (int row = 0; row < grid.weekRows; ++row) {
            EXPECT_EQ(grid.weekNumbers[static_cast<std::size_t>(row)], c.weeks[row]);
        }
    }
    // The column takes a fifteenth of the width; the seven day columns share
    // the rest, under a title that still spans the whole area.
    const MonthGridGeometry grid = computeMonthGrid(kArea, monthOf(9, 2024), true);
    EXPECT_EQ(grid.weekRects[0], (Rect{10, 222, 57, 323}));
    EXPECT_EQ(grid.weekRects[5], (Rect{10, 727, 57, 828}));
    EXPECT_EQ(grid.colWidth, 94);
    EXPECT_EQ(grid.rowHeight, 101);
    EXPECT_EQ(grid.titleRect, kArea);
    EXPECT_EQ(grid.weekdayRects[0].left, 57);
    EXPECT_EQ(grid.cellRect(1), (Rect{57 + 6 * 94, 222, 57 + 7 * 94 + 1, 324}));
    EXPECT_EQ(computeMonthGrid(kArea, monthOf(9, 2024)).weekRows, 0);
}

TEST(MonthGrid, WeekNumbersAreDrawnSmallAndGreyInEveryForm) {
    struct FormCase {
        const char* name;
        int form; // 0 printed, 1 compact, 2 preview
        FontSpec font;
    };
    const FormCase cases[] = {
        {"printed", 0, FontSpec{"Arial", 8, 400}},
        {"compact", 1, FontSpec{"Arial", 6, 400}},
        {"preview", 2, FontSpec{"Arial", 9, 400}}, // two points under its 11-point numbers
    };
    for (const FormCase& c : cases) {
        SCOPED_TRACE(c.name);
        for (bool on : {false, true}) {
            MonthGridData data = pageOf(9, 2024);
            data.weekNumbers = on;
            RecordingSurface surface(kDpi, kDpi);
            if (c.form == 2)
                drawPreviewGrid(surface, kArea, data);
            else
                drawMonthGrid(surface, kArea, data, c.form == 1);
            std::vector<RecordedOp> grey;
            for (const RecordedOp& op : textsDrawn(surface)) {
                if (op.state.textColour == kWeekNumberGrey)
                    grey.push_back(op);
            }
            ASSERT_EQ(grey.size(), on ? 6u : 0u);
            if (!on)
                continue;
            const MonthGridGeometry grid = computeMonthGrid(kArea, data.pageMonth, true);
            for (std::size_t row = 0; row < grey.size(); ++row) {
                EXPECT_EQ(grey[row].text, std::to_string(35 + row));
                EXPECT_EQ(grey[row].rect, grid.weekRects[row]);
                EXPECT_EQ(grey[row].state.font, c.font);
            }
        }
    }
}

TEST(MonthGrid, PreviewFontIsTheLargestThatFitsItsRows) {
    struct FontCase {
        int rowHeight;
        int points;
        const char* face;
    };
    const FontCase cases[] = {
        {14, 11, "Arial"},  {13, 10, "Arial"},     {10, 7, "Small Fonts"},
        {11, 8, "Arial"},   {3, 5, "Small Fonts"}, // does not fit, but 5 is the least
        {100, 11, "Arial"},
    };
    for (const FontCase& c : cases) {
        SCOPED_TRACE(c.rowHeight);
        RecordingSurface surface(kDpi, kDpi);
        drawPreviewGrid(surface, Rect{0, 0, 700, 8 * c.rowHeight}, pageOf(9, 2024));
        const std::vector<RecordedOp> texts = textsDrawn(surface);
        EXPECT_EQ(texts[0].text, "September 2024");
        EXPECT_EQ(texts[0].state.font, (FontSpec{c.face, c.points, 700}));
        EXPECT_EQ(texts[1].text, "M");
        EXPECT_EQ(texts[2].text, "D");
        EXPECT_EQ(numberOp(surface, 2).state.font, (FontSpec{c.face, c.points, 400}));
        const auto firstText =
            std::find_if(surface.ops().begin(), surface.ops().end(),
                         [](const RecordedOp& op) { return op.kind == OpKind::DrawText; });
        const auto attempts =
            std::count_if(surface.ops().begin(), firstText,
                          [](const RecordedOp& op) { return op.kind == OpKind::SetFont; });
        EXPECT_EQ(attempts, 11 - c.points + 1 + 1) << "one font per size tried, then the title's";
    }
}

TEST(MonthGrid, LeavesTheSurfaceAsItFoundIt) {
    for (int form = 0; form < 3; ++form) {
        RecordingSurface surface(kDpi, kDpi);
        surface.setTextColour(rgb(1, 2, 3));
        const SurfaceState before = surface.state();
        MonthGridData data = pageOf(12, 2024);
        data.dayFrames = false;
        data.dayColours.fill(2);
        form == 2 ? drawPreviewGrid(surface, kArea, data)
                  : drawMonthGrid(surface, kArea, data, form == 1);
        EXPECT_EQ(surface.state(), before);
        EXPECT_EQ(surface.saveDepth(), 0);
        EXPECT_EQ(surface.ops()[1].kind, OpKind::Save);
        EXPECT_EQ(surface.ops().back().kind, OpKind::Restore);
    }
}

TEST(MonthGrid, DegenerateAreasDrawNoInvertedShapes) {
    const Rect areas[] = {{0, 0, 0, 0},   {50, 50, 10, 10},     {0, 0, 6, 7},   {0, 0, 7, 8},
                          {0, 0, 1, 500}, {-30, -30, -20, -10}, {0, 0, 3000, 3}};
    for (const Rect& area : areas) {
        for (int form = 0; form < 3; ++form) {
            RecordingSurface surface(kDpi, kDpi);
            MonthGridData data = pageOf(12, 2024);
            data.dayFrames = form != 0;
            data.dayColours.fill(1);
            form == 2 ? drawPreviewGrid(surface, area, data)
                      : drawMonthGrid(surface, area, data, form == 1);
            for (const RecordedOp& op : surface.ops()) {
                EXPECT_LE(op.rect.left, op.rect.right) << area << describe(op);
                EXPECT_LE(op.rect.top, op.rect.bottom) << area << describe(op);
            }
            EXPECT_EQ(surface.saveDepth(), 0);
        }
    }
}

TEST(MonthGrid, NothingIsDrawnWithoutAMonth) {
    RecordingSurface surface(kDpi, kDpi);
    drawMonthGrid(surface, kArea, MonthGridData{}, false);
    drawPreviewGrid(surface, kArea, MonthGridData{});
    EXPECT_TRUE(surface.ops().empty());
}

} // namespace
} // namespace veltrano
