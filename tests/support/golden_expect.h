#pragma once
// The comparison of golden scenes for the tests: each drawing must equal its
// reviewed dump byte for byte.

#include "tests/support/golden.h"

#include <gtest/gtest.h>

namespace veltrano {

inline void expectScenesMatchGolden(const std::vector<GoldenScene>& scenes) {
    for (const GoldenScene& scene : scenes) {
        const std::string path = goldenPath(scene, VELTRANO_SOURCE_DIR);
        const std::optional<std::string> expected = readGolden(path);
        ASSERT_TRUE(expected) << "missing " << path << " (scripts/update-golden.sh writes it)";
        EXPECT_EQ(scene.draw(), *expected) << "differs from " << path;
    }
}

} // namespace veltrano
