#pragma once
// Bringing a decoded picture to the exact pixel size it is held in.

#include "render/geometry.h"

#include <QImage>

namespace veltrano {

// image scaled smoothly to exactly `wanted` (proportions as given); as it is
// when it is null, already that size, or `wanted` has no area.
QImage shrunkTo(QImage image, Size wanted);

} // namespace veltrano
