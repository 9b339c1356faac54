// Whole month grids compared with reviewed expected dumps. After a deliberate
// change of the drawing, run scripts/update-golden.sh and read the diff before
// keeping it.

#include "month_grid_scenes.h"

#include "tests/support/golden_expect.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(MonthGridGolden, DrawingsMatchTheReviewedDumps) {
    const std::vector<GoldenScene> scenes = monthGridScenes();
    ASSERT_EQ(scenes.size(), 2u);
    expectScenesMatchGolden(scenes);
}

} // namespace
} // namespace veltrano
