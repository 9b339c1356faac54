#pragma once
// The month grids whose whole drawing is kept as reviewed golden dumps.

#include "tests/support/golden.h"

namespace veltrano {

std::vector<GoldenScene> monthGridScenes();

} // namespace veltrano
