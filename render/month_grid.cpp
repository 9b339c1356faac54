#include "render/month_grid.h"

#include "core/date_week.h"
#include "core/strings.h"
#include "render/text_layout.h"

#include <algorithm>

namespace veltrano {

namespace {

constexpr int kMonthNameString = 29016;  // "Januar" .. "Dezember"
constexpr int kWeekdayNameString = 1056; // "Montag" .. "Sonntag"
constexpr const char* kGridFace = "Arial";
constexpr const char* kSmallFace = "Small Fonts";
constexpr std::int32_t kMinFontPoints = 1;
constexpr std::int32_t kMaxFontPoints = 200;

constexpr TextFlags kCentredLine = TextCentre | TextSingleLine;

FontSpec gridFont(std::int32_t points, const char* face = kGridFace) {
    FontSpec font;
    font.face = face;
    font.points = points;
    return font;
}

std::string monthName(std::int32_t month) {
    return loadString(kMonthNameString + month - 1);
}

std::string titleWithYear(const DateValue& month) {
    return formatText("%s %04d", {monthName(month.month), std::int64_t{month.year}});
}

std::size_t slot(std::int32_t day) {
    return static_cast<std::size_t>(day - 1);
}

bool isRedDay(const MonthGridGeometry& grid, const MonthGridData& data, std::int32_t day) {
    return grid.weekdays[slot(day)] == 6 || !data.holidayNames[slot(day)].empty();
}

// Title row and weekday row; the title sits at the top of the whole area.
void drawHeadings(DrawingSurface& surface, const MonthGridGeometry& grid, const std::string& title,
                  const FontSpec& titleFont, const FontSpec& weekdayFont,
                  std::size_t weekdayLetters) {
    surface.setTextColour(kBlack);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setFont(titleFont);
    surface.drawText(grid.titleRect, title, kCentredLine);
    surface.setFont(weekdayFont);
    for (int i = 0; i < 7; ++i) {
        const std::string name = loadString(kWeekdayNameString + i);
        surface.drawText(grid.weekdayRects[static_cast<std::size_t>(i)],
                         firstCharacters(name, weekdayLetters), kCentredLine);
    }
}

// The circle behind a coloured day number on paper: 1.5 × h across, centred
// in the cell, its middle h / 2 below the cell's top.
Rect circleRect(const Rect& cell, std::int32_t h) {
    Rect circle{cell.left, cell.top - h / 4, cell.right, cell.top + 5 * h / 4};
    const std::int32_t diameter = 3 * h / 2;
    circle.left += (circle.width() - diameter) / 2;
    circle.right = circle.left + diameter;
    return circle;
}

// Holiday name and day text under a printed day number; they may run down
// over the cells below and are cut off only at the bottom of the area. A word
// wider than the cell would run into the neighbouring days, so such a text is
// drawn smaller until its widest word fits.
void drawDayTexts(DrawingSurface& surface, const MonthGridGeometry& grid, const MonthGridData& data,
                  std::int32_t day, std::int32_t numberHeight, const FontSpec& textFont) {
    const std::string& holiday = data.holidayNames[slot(day)];
    const std::string& text = data.dayTexts[slot(day)];
    if (holiday.empty() && text.empty()) {
        return;
    }
    const std::string shown = holiday.empty() ? text : holiday + "\r\n" + text;
    Rect box = grid.numberRect(day);
    box.top = grid.cellRect(day).top + numberHeight;
    const LineMeasure measure = [&](std::string_view word) {
        return surface.textExtent(word).width;
    };
    shrinkFontToFit(surface, textFont, kSmallestFittedPoints, box.width(),
                    [&] { return widestWordWidth(shown, measure); });
    surface.setTextColour(kBlack);
    // User texts are shown as typed: an ampersand is no mnemonic here.
    surface.drawText(box, shown, TextCentre | TextWordWrap | TextNoPrefix);
}

// The colour mark of a day without frames: the filled shape, no outline.
void drawMark(DrawingSurface& surface, const Rect& shape) {
    surface.setPen(Pen::none());
    surface.drawEllipse(shape);
}

MonthGridGeometry computeDayColumns(const Rect& area, const DateValue& pageMonth);
void addWeekColumn(MonthGridGeometry& grid, const Rect& outer, std::int32_t width,
                   const DateValue& pageMonth);
void drawWeekNumbers(DrawingSurface& surface, const MonthGridGeometry& grid, const FontSpec& font);

} // namespace

Colour dayColourValue(std::int32_t dayColour) {
    static constexpr Colour colours[5] = {rgb(255, 255, 255), rgb(190, 210, 255),
                                          rgb(255, 200, 200), rgb(255, 255, 200),
                                          rgb(190, 255, 200)};
    if (dayColour < 0 || dayColour > 4) {
        return colours[0];
    }
    return colours[dayColour];
}

std::int32_t saneFontSize(std::int32_t points) {
    return std::clamp(points, kMinFontPoints, kMaxFontPoints);
}

MonthGridGeometry computeMonthGrid(const Rect& area, const DateValue& pageMonth, bool weekColumn) {
    MonthGridGeometry grid;
    if (area.isEmpty() || pageMonth.isEmpty() || pageMonth.month < 1 || pageMonth.month > 12) {
        return grid;
    }
    const Rect outer = area;
    const std::int32_t weekWidth = weekColumn ? outer.width() / 15 : 0;
    const Rect days{outer.left + weekWidth, outer.top, outer.right, outer.bottom};
    grid = computeDayColumns(days, pageMonth);
    grid.titleRect = outer;
    if (weekColumn && grid.dayCount > 0) {
        addWeekColumn(grid, outer, weekWidth, pageMonth);
    }
    return grid;
}

namespace {

MonthGridGeometry computeDayColumns(const Rect& area, const DateValue& pageMonth) {
    MonthGridGeometry grid;
    DateValue first = pageMonth;
    first.day = 1;
    grid.rowHeight = area.height() / 8;
    grid.colWidth = area.width() / 7;
    grid.lead = first.weekday();
    grid.dayCount = daysInMonth(first.month, first.year);
    grid.titleRect = area;
    const std::int32_t weekdayTop = area.top + grid.rowHeight;
    for (std::int32_t i = 0; i < 7; ++i) {
        grid.weekdayRects[static_cast<std::size_t>(i)] =
            Rect{area.left + i * grid.colWidth, weekdayTop, area.left + (i + 1) * grid.colWidth,
                 area.bottom};
    }
    const std::int32_t weeksTop = weekdayTop + grid.rowHeight;
    for (std::int32_t day = 1; day <= grid.dayCount; ++day) {
        const std::int32_t index = grid.lead + day - 1;
        const std::int32_t col = index % 7;
        const std::int32_t row = index / 7;
        const std::int32_t left = area.left + col * grid.colWidth;
        const std::int32_t top = weeksTop + row * grid.rowHeight;
        grid.cellRects[slot(day)] =
            Rect{left, top, left + grid.colWidth + 1, top + grid.rowHeight + 1};
        grid.numberRects[slot(day)] = Rect{left, top, left + grid.colWidth, area.bottom};
        grid.weekdays[slot(day)] = col;
    }
    return grid;
}

// The week of a row is the ISO week of the day in its Thursday column, which
// is the week of every day in the row.
void addWeekColumn(MonthGridGeometry& grid, const Rect& outer, std::int32_t width,
                   const DateValue& pageMonth) {
    grid.weekRows = (grid.lead + grid.dayCount + 6) / 7;
    const std::int32_t weeksTop = outer.top + 2 * grid.rowHeight;
    for (std::int32_t row = 0; row < grid.weekRows; ++row) {
        const std::int32_t top = weeksTop + row * grid.rowHeight;
        const auto r = static_cast<std::size_t>(row);
        grid.weekRects[r] = Rect{outer.left, top, outer.left + width, top + grid.rowHeight};
        grid.weekNumbers[r] =
            isoWeekNumber(pageMonth.year, pageMonth.month, 7 * row + 4 - grid.lead);
    }
}

void drawWeekNumbers(DrawingSurface& surface, const MonthGridGeometry& grid, const FontSpec& font) {
    if (grid.weekRows == 0) {
        return;
    }
    surface.setFont(font);
    surface.setTextColour(kWeekNumberGrey);
    for (std::int32_t row = 0; row < grid.weekRows; ++row) {
        const auto r = static_cast<std::size_t>(row);
        surface.drawText(grid.weekRects[r], std::to_string(grid.weekNumbers[r]), kCentredLine);
    }
}

} // namespace

void drawMonthGrid(DrawingSurface& surface, const Rect& area, const MonthGridData& data,
                   bool compact) {
    const MonthGridGeometry grid = computeMonthGrid(area, data.pageMonth, data.weekNumbers);
    if (grid.dayCount == 0) {
        return;
    }
    surface.save();
    const FontSpec numberFont = gridFont(compact ? 10 : saneFontSize(data.fontSize));
    const FontSpec boldNumberFont = numberFont.bold();
    const FontSpec titleFont = gridFont(compact ? 11 : 30).bold();
    const FontSpec textFont = gridFont(8);

    surface.setFont(numberFont);
    const std::int32_t h = surface.textExtent("000").height;
    const std::string title =
        compact ? monthName(data.pageMonth.month) : titleWithYear(data.pageMonth);
    drawHeadings(surface, grid, title, titleFont, boldNumberFont, 2);
    surface.setFont(numberFont);

    for (std::int32_t day = 1; day <= grid.dayCount; ++day) {
        const bool red = isRedDay(grid, data, day);
        surface.setFont(red ? boldNumberFont : numberFont);
        surface.setTextColour(red ? kGridRed : kBlack);
        const std::int32_t colour = data.dayColours[slot(day)];
        surface.setBrush(Brush::solid(dayColourValue(colour)));
        if (data.dayFrames) {
            surface.setPen(Pen::solid(kBlack));
            surface.drawRect(grid.cellRect(day));
        } else if (colour > 0 && colour <= 4) {
            drawMark(surface, circleRect(grid.cellRect(day), h));
        }
        const std::int32_t t =
            surface.drawText(grid.numberRect(day), std::to_string(day), kCentredLine);
        if (!compact) {
            drawDayTexts(surface, grid, data, day, t, textFont);
        }
    }
    drawWeekNumbers(surface, grid, gridFont(compact ? 6 : 8));
    surface.restore();
}

namespace {

// Largest size from 11 points down to 5 whose digit height plus 2 is below the
// row height; the last size tried is kept even when it does not fit.
FontSpec choosePreviewFont(DrawingSurface& surface, std::int32_t rowHeight) {
    std::int32_t points = 11;
    FontSpec font = gridFont(points);
    surface.setFont(font);
    while (points > 5 && surface.textExtent("0").height + 2 >= rowHeight) {
        --points;
        font = gridFont(points, points >= 8 ? kGridFace : kSmallFace);
        surface.setFont(font);
    }
    return font;
}

// The preview's colour mark: an ellipse as wide as "000" at the top of the
// column, drawn for a coloured day or a day with a text.
Rect previewMarkRect(const MonthGridGeometry& grid, std::int32_t day, Size digits) {
    const Rect cell = grid.cellRect(day);
    const std::int32_t cx = cell.left + grid.colWidth / 2;
    return Rect{cx - digits.width / 2, cell.top, cx + digits.width / 2,
                cell.top + digits.height + 2};
}

} // namespace

void drawPreviewGrid(DrawingSurface& surface, const Rect& area, const MonthGridData& data) {
    const MonthGridGeometry grid = computeMonthGrid(area, data.pageMonth, data.weekNumbers);
    if (grid.dayCount == 0) {
        return;
    }
    surface.save();
    const FontSpec numberFont = choosePreviewFont(surface, grid.rowHeight);
    const FontSpec boldNumberFont = numberFont.bold();
    const Size digits = surface.textExtent("000");
    drawHeadings(surface, grid, titleWithYear(data.pageMonth), boldNumberFont, boldNumberFont, 1);
    surface.setFont(numberFont);

    for (std::int32_t day = 1; day <= grid.dayCount; ++day) {
        const bool hasText = !data.dayTexts[slot(day)].empty();
        surface.setFont(hasText ? boldNumberFont : numberFont);
        surface.setTextColour(isRedDay(grid, data, day) ? kGridRed : kBlack);
        const std::int32_t colour = data.dayColours[slot(day)];
        surface.setBrush(Brush::solid(dayColourValue(colour)));
        if (data.dayFrames) {
            surface.setPen(Pen::solid(kBlack));
            surface.drawRect(grid.cellRect(day));
        } else if ((colour > 0 && colour <= 4) || hasText) {
            drawMark(surface, previewMarkRect(grid, day, digits));
        }
        surface.drawText(grid.numberRect(day), std::to_string(day), kCentredLine);
    }
    const std::int32_t weekPoints = std::max(5, numberFont.points - 2);
    drawWeekNumbers(surface, grid, gridFont(weekPoints, weekPoints >= 8 ? kGridFace : kSmallFace));
    surface.restore();
}

} // namespace veltrano
