#pragma once
// The title page's thumbnail on screen, composed as the printed title page:
// a white sheet with a black outline, the title photo fitted into the upper
// two fifths, below it the year in bold and the title text, centred. Type
// sizes follow the sheet's height, so the thumbnail reads at any size.
#include "document/photo_crop.h"
#include "render/drawing_surface.h"

#include <cstdint>
#include <string>

namespace veltrano {

// photo may be null (no title photo, or one that cannot be read): the photo
// area then stays white. Only the crop's part of the photo is shown when it is
// set. Nothing is drawn into an empty client.
void drawTitleThumbnail(DrawingSurface& surface, const Rect& client, const Picture* photo,
                        std::int32_t year, const std::string& titleText,
                        const PhotoCrop& crop = {});

} // namespace veltrano
