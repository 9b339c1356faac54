#pragma once
// Where a page's photo goes when the user chose the part of it that is shown.

#include "document/photo_crop.h"
#include "render/drawing_surface.h"

#include <cstdint>

namespace veltrano {

struct PhotoPlacement {
    Rect dest;   // device units; empty when nothing is drawn
    Rect source; // in the picture's own pixel coordinates (width() × height())
};

// The pixels of a photo of w × h that crop shows, in the photo's own
// coordinates; at least one pixel a side. The whole photo when crop is unset.
Rect cropSourceRect(std::int32_t w, std::int32_t h, const PhotoCrop& crop);

// The shown part of a photo of w × h, scaled to box with its proportions kept
// and centred, as fitImageRect places a whole photo. An unset crop shows the
// whole photo, exactly as fitImageRect places it. A photo or box without area
// gives empty rectangles.
PhotoPlacement placePhoto(const Rect& box, std::int32_t w, std::int32_t h, const PhotoCrop& crop);

// Draws the photo into box as placePhoto says; returns where it went.
Rect drawPlacedPhoto(DrawingSurface& surface, const Picture& picture, const Rect& box,
                     const PhotoCrop& crop);

// The box a photo must be decoded for so that its shown part has the pixels
// of `box`: the box grown by the whole photo's size over the part's. An unset
// crop leaves box as it is.
Size decodeBoxForCrop(Size box, const PhotoCrop& crop);

} // namespace veltrano
