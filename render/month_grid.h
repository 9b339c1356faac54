#pragma once
// The month grid of a calendar page: a title row, a row of weekday names and
// up to six week rows of day cells, weeks running Monday to Sunday.
//
// drawMonthGrid draws the printed grid (full page, or the small `compact` form
// of the one-sheet year calendar); drawPreviewGrid the small grid of the
// on-screen page previews. Both leave the surface's state as they found it and
// change nothing in the page data.

#include "core/date_value.h"
#include "render/drawing_surface.h"

#include <array>
#include <cstdint>
#include <string>

namespace veltrano {

inline constexpr int kGridDaySlots = 31;

// Background colours of the day colour values 0..4 (white, blue, red, yellow,
// green). Any other value is drawn as 0, white.
Colour dayColourValue(std::int32_t dayColour);

inline constexpr Colour kGridRed = rgb(255, 0, 0);

// Font sizes read from a file may be anything; the grid draws sizes outside
// 1..200 points as the nearer of the two.
std::int32_t saneFontSize(std::int32_t points);

// What the grid reads of one month page. Slot d − 1 belongs to day d; slots a
// month lacks are never read.
struct MonthGridData {
    DateValue pageMonth; // the page's month and year; the grid always starts at the 1st
    std::array<std::string, kGridDaySlots> dayTexts;      // CR LF line breaks
    std::array<std::string, kGridDaySlots> holidayNames;  // "" = no holiday that day
    std::array<std::int32_t, kGridDaySlots> dayColours{}; // day colour values
    bool dayFrames = true;                                // frame every day cell
    std::int32_t fontSize = 12;                           // day numbers, points
    bool weekNumbers = false; // ISO week numbers in a column left of the days
};

inline constexpr int kGridWeekRows = 6;
inline constexpr Colour kWeekNumberGrey = rgb(128, 128, 128);

// Cell geometry of one grid, all in device units (integer divisions truncate).
struct MonthGridGeometry {
    std::int32_t rowHeight = 0; // area height / 8
    std::int32_t colWidth = 0;  // area width / 7
    std::int32_t lead = 0;      // weekday of the 1st, 0 = Monday
    std::int32_t dayCount = 0;  // days of the month; 0 when nothing can be drawn
    Rect titleRect;             // the whole area
    std::array<Rect, 7> weekdayRects;
    // For day d at index d − 1: the cell, one unit wider and taller than its
    // column and row so that framed neighbours share their borders, and the
    // number rectangle, as wide as the column and reaching to the area's bottom.
    std::array<Rect, kGridDaySlots> cellRects;
    std::array<Rect, kGridDaySlots> numberRects;
    std::array<std::int32_t, kGridDaySlots> weekdays{}; // 0 = Monday .. 6 = Sunday
    // With the week column: one rectangle per week row in use (weekRows of
    // them) at the area's left, as tall as a row, and its ISO week number.
    // The week column takes area width / 15, and the seven day columns share
    // the rest; without it weekRows is 0.
    std::int32_t weekRows = 0;
    std::array<Rect, kGridWeekRows> weekRects;
    std::array<std::int32_t, kGridWeekRows> weekNumbers{};

    Rect cellRect(std::int32_t day) const { return cellRects[static_cast<std::size_t>(day - 1)]; }
    Rect numberRect(std::int32_t day) const {
        return numberRects[static_cast<std::size_t>(day - 1)];
    }
};

// The geometry of the grid of pageMonth's month in area, with or without the
// week column. An empty or inverted area, or an empty or invalid date, gives
// dayCount 0 (nothing is drawn).
MonthGridGeometry computeMonthGrid(const Rect& area, const DateValue& pageMonth,
                                   bool weekColumn = false);

// The printed grid. Full form: title "<month> <year>" in 30-point bold Arial,
// numbers in data.fontSize points with the holiday name and day text under
// them in 8 points. Compact form: title without year in 11 points, numbers in
// 10 points, no texts. Week numbers, when on, in grey: 8 points, compact 6.
void drawMonthGrid(DrawingSurface& surface, const Rect& area, const MonthGridData& data,
                   bool compact);

// The preview grid: the number font is the largest of 11 down to 5 points
// whose digit height plus 2 is below the row height ("Small Fonts" below 8
// points); days with a text have bold numbers; no texts are drawn. Week
// numbers, when on, in grey two points smaller (at least 5).
void drawPreviewGrid(DrawingSurface& surface, const Rect& area, const MonthGridData& data);

} // namespace veltrano
