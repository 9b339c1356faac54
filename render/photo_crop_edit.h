#pragma once
// Choosing the part of a photo a page shows: the part that fills the page's
// photo area, and that part moved or zoomed by the user. All parts are in
// ten-thousandths of the upright photo (see PhotoCrop) and always lie within it.

#include "document/photo_crop.h"
#include "render/geometry.h"

#include <cstdint>

namespace veltrano {

// How far the user may zoom in, relative to the part that fills the area.
inline constexpr double kMaxCropZoom = 4.0;

// The largest part of a w × h photo with the proportions `aspect`, centred:
// the photo then fills the area without empty sides. Unset for a photo
// without area or an aspect that is not positive.
PhotoCrop coverCrop(std::int32_t w, std::int32_t h, double aspect);

// How closely crop shows the photo against cover: 1 for the cover part, 2 for
// one of half its width. 1 when either is unset.
double cropZoom(const PhotoCrop& crop, const PhotoCrop& cover);

// The part at `zoom` (held to 1..kMaxCropZoom), of cover's proportions, with
// the photo's point under (anchorX, anchorY) — fractions of crop's width and
// height, 0..1 — staying under it; moved back into the photo where it would
// leave it. An unset crop starts from cover.
PhotoCrop zoomCrop(const PhotoCrop& crop, const PhotoCrop& cover, double zoom, double anchorX,
                   double anchorY);

// The part after the photo was dragged by (dx, dy), in fractions of the
// part's own width and height (positive: right and down), so the part itself
// moves the other way; held within the photo, its size kept. An unset crop
// stays unset.
PhotoCrop panCrop(const PhotoCrop& crop, double dx, double dy);

} // namespace veltrano
