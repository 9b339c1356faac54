#include "render/title_thumbnail.h"

#include "core/strings.h"
#include "render/photo_crop_place.h"

#include <algorithm>

namespace veltrano {
namespace {

constexpr std::int32_t kInset = 3; // device units, as on the month thumbnails
constexpr std::int32_t kGap = 6;   // between photo and year
constexpr int kYearPart = 10;      // the year's em height: a tenth of the sheet
constexpr int kTextPart = 20;      // the title text's: a twentieth

FontSpec sized(const DrawingSurface& surface, std::int32_t pixels, int weight) {
    FontSpec font;
    font.face = "Arial";
    font.points = std::max(1, pixels * 72 / std::max(surface.dpiY(), 1));
    font.weight = weight;
    return font;
}

} // namespace

void drawTitleThumbnail(DrawingSurface& surface, const Rect& client, const Picture* photo,
                        std::int32_t year, const std::string& titleText, const PhotoCrop& crop) {
    const Rect area = client.deflated(kInset);
    if (client.isEmpty() || area.isEmpty())
        return;
    surface.save();
    surface.setBrush(Brush::solid(kWhite));
    surface.setPen(Pen::solid(kBlack));
    surface.drawRect(client);
    const Rect photoBox{area.left, area.top, area.right, area.top + area.height() * 2 / 5};
    if (photo != nullptr)
        drawPlacedPhoto(surface, *photo, photoBox, crop);
    Rect textArea{area.left, photoBox.bottom + kGap, area.right, area.bottom};
    surface.setTextColour(kBlack);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    surface.setFont(sized(surface, area.height() / kYearPart, kWeightBold));
    textArea.top += surface.drawText(textArea, formatText("%d", {std::int64_t{year}}),
                                     TextCentre | TextSingleLine);
    surface.setFont(sized(surface, area.height() / kTextPart, kWeightNormal));
    surface.drawText(textArea, titleText, TextCentre | TextWordWrap | TextNoPrefix);
    surface.restore();
}

} // namespace veltrano
