#include "app/title_page_button.h"

#include "platform/qpainter_surface.h"
#include "render/photo_crop_place.h"
#include "render/title_thumbnail.h"

#include <QPainter>

namespace veltrano {

TitlePageButton::TitlePageButton(const ImageDecoder* decoder, QWidget* parent)
    : QAbstractButton(parent), photoCache_(decoder) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
}

void TitlePageButton::showTitle(const std::string& photoPath, std::int32_t year,
                                const std::string& text, const PhotoCrop& crop) {
    photoCache_.setPhotoPath(photoPath);
    photoCache_.photoCrop = crop;
    year_ = year;
    text_ = text;
    setToolTip(QString::fromStdString(photoPath));
    update();
}

void TitlePageButton::paintEvent(QPaintEvent*) {
    // Decoded once for the photo area; an unreadable file is not tried on every paint.
    if (photoCache_.photoStale && width() > 0 && height() > 0) {
        photoCache_.loadPagePhoto(
            decodeBoxForCrop(Size{width(), height() * 2 / 5}, photoCache_.photoCrop));
        photoCache_.photoStale = false;
    }
    QPainter painter(this);
    QPainterSurface surface(painter);
    drawTitleThumbnail(surface, Rect{0, 0, width(), height()}, photoCache_.photo(), year_, text_,
                       photoCache_.photoCrop);
}

} // namespace veltrano
