#include "month_grid_scenes.h"

#include "render/month_grid.h"
#include "render/recording_surface.h"

namespace veltrano {
namespace {

// February 2027 begins on a Monday and fills four week rows.
MonthGridData february2027() {
    MonthGridData data;
    data.pageMonth.day = 1;
    data.pageMonth.month = 2;
    data.pageMonth.year = 2027;
    data.fontSize = 12;
    data.dayFrames = false;
    data.holidayNames[13] = "Valentinstag";
    data.dayTexts[13] = "Essen gehen";
    data.dayTexts[2] = "Geburtstag Ulla";
    data.dayColours[2] = 1;
    data.dayColours[19] = 4;
    return data;
}

// Printed with circles behind the coloured days.
std::string printedFebruary() {
    RecordingSurface surface(72, 72);
    drawMonthGrid(surface, Rect{0, 0, 350, 400}, february2027(), false);
    return surface.dump();
}

// The screen preview with a frame round every day.
std::string previewFebruary() {
    RecordingSurface surface(96, 96);
    MonthGridData data = february2027();
    data.dayFrames = true;
    drawPreviewGrid(surface, Rect{4, 4, 144, 124}, data);
    return surface.dump();
}

} // namespace

std::vector<GoldenScene> monthGridScenes() {
    return {{"tests/render/golden/month_grid_february_print.txt", printedFebruary},
            {"tests/render/golden/month_grid_february_preview.txt", previewFebruary}};
}

} // namespace veltrano
