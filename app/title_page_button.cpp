#include "app/title_page_button.h"

#include "app/thumbnail_accessible_text.h"
#include "app/thumbnail_keys.h"
#include "platform/qpainter_surface.h"
#include "render/photo_crop_place.h"
#include "render/title_thumbnail.h"

#include <QKeyEvent>
#include <QPainter>

#include <cmath>

namespace veltrano {

TitlePageButton::TitlePageButton(const ImageDecoder* decoder, QWidget* parent)
    : QAbstractButton(parent), photoCache_(decoder) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void TitlePageButton::showTitle(const std::string& photoPath, std::int32_t year,
                                const std::string& text, const PhotoCrop& crop) {
    photoCache_.setPhotoPath(photoPath);
    photoCache_.photoCrop = crop;
    year_ = year;
    text_ = text;
    setToolTip(QString::fromStdString(photoPath));
    const AccessibleText spoken = titleThumbnailText(year, text);
    setAccessibleName(QString::fromStdString(spoken.name));
    setAccessibleDescription(QString::fromStdString(spoken.description));
    update();
}

TitlePageButton::~TitlePageButton() {
    photoCache_.setPhotoChangedHandler({});
}

void TitlePageButton::setPhotoLoader(PhotoLoader* loader) {
    photoCache_.setPhotoLoader(loader);
    photoCache_.setPhotoChangedHandler([this] { update(); });
}

void TitlePageButton::paintEvent(QPaintEvent*) {
    if (width() > 0 && height() > 0) {
        // At the screen's pixels, so that it stays sharp at scale factors above 1; a chosen
        // part of the photo needs the whole photo decoded larger.
        const double ratio = devicePixelRatioF();
        const Size box{static_cast<int>(std::ceil(width() * ratio)),
                       static_cast<int>(std::ceil(height() * 2 / 5 * ratio))};
        photoCache_.preparePhoto(decodeBoxForCrop(box, photoCache_.photoCrop));
    }
    QPainter painter(this);
    QPainterSurface surface(painter);
    drawTitleThumbnail(surface, Rect{0, 0, width(), height()}, photoCache_.photo(), year_, text_,
                       photoCache_.photoCrop);
    paintThumbnailFocus(surface, *this);
}

void TitlePageButton::keyPressEvent(QKeyEvent* event) {
    if (!handleThumbnailKey(*this, *event))
        QAbstractButton::keyPressEvent(event);
}

} // namespace veltrano
