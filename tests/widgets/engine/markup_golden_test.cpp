// Whole messages compared with reviewed expected dumps of what the recording
// surface saw. After a deliberate change of the layout, run
// scripts/update-golden.sh and read the diff before keeping it.

#include "markup_scenes.h"

#include "tests/support/golden_expect.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(MarkupGolden, MessagesAndLabelsMatchTheReviewedDumps) {
    const std::vector<GoldenScene> scenes = markupScenes();
    ASSERT_EQ(scenes.size(), 3u);
    expectScenesMatchGolden(scenes);
}

} // namespace
} // namespace veltrano
