#pragma once
// The markup messages and labels whose whole drawing is kept as reviewed golden dumps.

#include "tests/support/golden.h"

namespace veltrano {

std::vector<GoldenScene> markupScenes();

} // namespace veltrano
