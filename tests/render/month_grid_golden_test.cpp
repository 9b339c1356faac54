// Whole drawings compared with reviewed expected dumps. After a deliberate
// change of the drawing, regenerate with VELTRANO_UPDATE_GOLDEN=1 and read the
// diff before keeping it.

#include "render/month_grid.h"
#include "render/recording_surface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

namespace veltrano {
namespace {

std::string goldenPath(const std::string& name) {
    return std::string(VELTRANO_SOURCE_DIR) + "/tests/render/golden/" + name;
}

void expectMatchesGolden(const std::string& name, const std::string& actual) {
    const std::string path = goldenPath(name);
    if (std::getenv("VELTRANO_UPDATE_GOLDEN") != nullptr) {
        std::ofstream(path, std::ios::binary) << actual;
        return;
    }
    std::ifstream in(path, std::ios::binary);
    ASSERT_TRUE(in) << "missing " << path;
    std::ostringstream expected;
    expected << in.rdbuf();
    EXPECT_EQ(actual, expected.str()) << "differs from " << path;
}

// February 2027 begins on a Monday and fills four week rows.
MonthGridData february2027() {
    MonthGridData data;
    EXPECT_TRUE(data.pageMonth.set(1, 2, 2027));
    data.fontSize = 12;
    data.dayFrames = false;
    data.holidayNames[13] = "Valentinstag";
    data.dayTexts[13] = "Essen gehen";
    data.dayTexts[2] = "Geburtstag Ulla";
    data.dayColours[2] = 1;
    data.dayColours[19] = 4;
    return data;
}

TEST(MonthGridGolden, PrintedFebruaryWithCircles) {
    RecordingSurface surface(72, 72);
    drawMonthGrid(surface, Rect{0, 0, 350, 400}, february2027(), false);
    expectMatchesGolden("month_grid_february_print.txt", surface.dump());
}

TEST(MonthGridGolden, PreviewFebruaryWithFrames) {
    RecordingSurface surface(96, 96);
    MonthGridData data = february2027();
    data.dayFrames = true;
    drawPreviewGrid(surface, Rect{4, 4, 144, 124}, data);
    expectMatchesGolden("month_grid_february_preview.txt", surface.dump());
}

} // namespace
} // namespace veltrano
