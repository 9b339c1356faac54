#pragma once
// The title page's thumbnail on screen, composed as the printed title page:
// a white sheet with a black outline, the title photo fitted into the upper
// two fifths, below it the year in bold and the title text, centred. Type
// sizes follow the sheet's height, so the thumbnail reads at any size.
#include "render/drawing_surface.h"

#include <cstdint>
#include <string>

namespace veltrano {

// photo may be null (no title photo, or one that cannot be read): the photo
// area then stays white. Nothing is drawn into an empty client.
void drawTitleThumbnail(DrawingSurface& surface, const Rect& client, const Picture* photo,
                        std::int32_t year, const std::string& titleText);

} // namespace veltrano
