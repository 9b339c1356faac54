#pragma once
// Where a photo goes in its box, for the calendar pages and for the photo
// preview of the edit pages.

#include "render/drawing_surface.h"
#include "render/image_decoder.h"

#include <cstdint>
#include <string>

namespace veltrano {

// The largest rectangle of the photo's proportions (width w, height h) that
// fits in box, centred in it: photos are scaled up or down, never cropped or
// distorted. A photo or box without area (zero, negative or inverted) gives
// the empty rectangle (0, 0, 0, 0).
Rect fitImageRect(const Rect& box, std::int32_t w, std::int32_t h);

// Where the photo preview shows a photo of w × h in its client rectangle:
// shrunk to fit when it is too large, at its natural size otherwise (never
// enlarged), centred; a side that does not fit starts at the client's edge.
// Empty when the photo or the client has no area.
Rect previewImageRect(const Rect& client, std::int32_t w, std::int32_t h);

// The photo preview: client filled with the background colour, then the
// picture (when there is one) at previewImageRect. The surface's state is
// left as it was.
void drawPhotoPreview(DrawingSurface& surface, const Rect& client, const Picture* picture,
                      Colour background = kWhite);

// In place of a photo that could not be shown: box filled light grey with a
// grey outline, and centred in it the photo's file name (without its folder)
// and the reason on the next line, wrapped and clipped to the box. For the
// screen only; printed pages leave the place empty. The surface's state is
// left as it was.
void drawPhotoProblem(DrawingSurface& surface, const Rect& box, const std::string& path,
                      PhotoProblem problem);

} // namespace veltrano
