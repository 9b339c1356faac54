#include "widgets/qt/photo_crop_view.h"

#include "platform/qpainter_surface.h"
#include "render/photo_crop_edit.h"
#include "render/photo_crop_place.h"
#include "render/photo_fit.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

#include <cmath>

namespace veltrano {

namespace {

constexpr double kZoomStep = 1.25;    // one wheel notch or key press
constexpr double kKeyPanStep = 0.1;   // of the area, per arrow key
constexpr std::int32_t kFrameGap = 3; // around the area frame, for the focus mark
constexpr int kAspectScale = 10000;   // the area's proportions as a w × h for fitting
const Colour kAreaColour{0xE8, 0xE8, 0xE8};
const Colour kFrameColour{0x80, 0x80, 0x80};

} // namespace

PhotoCropView::PhotoCropView(QWidget* parent, const ImageDecoder* decoder)
    : CImageControl(parent, decoder) {
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &CImageControl::imageChanged, this,
            [this] { setCursor(hasImage() ? Qt::OpenHandCursor : Qt::ArrowCursor); });
}

void PhotoCropView::setAreaAspect(double aspect) {
    if (!(aspect > 0) || aspect == aspect_)
        return;
    // A chosen part keeps its middle and how closely it shows the photo, and
    // takes the new proportions, so that it goes on filling the area.
    const double zoomed = zoom();
    aspect_ = aspect;
    update();
    if (crop_.isSet())
        edit(zoomCrop(crop_, coverCrop(), zoomed, 0.5, 0.5));
}

void PhotoCropView::setCrop(const PhotoCrop& crop) {
    crop_ = crop;
    update();
}

PhotoCrop PhotoCropView::coverCrop() const {
    const Size photo = imageSize();
    return veltrano::coverCrop(photo.width, photo.height, aspect_);
}

double PhotoCropView::zoom() const {
    return cropZoom(crop_, coverCrop());
}

void PhotoCropView::setFill(bool fill) {
    if (fill == crop_.isSet())
        return;
    edit(fill ? coverCrop() : PhotoCrop{});
}

void PhotoCropView::zoomAboutCentre(double zoom) {
    edit(zoomCrop(crop_, coverCrop(), zoom, 0.5, 0.5));
}

Rect PhotoCropView::areaFrame() const {
    const Rect client = Rect{0, 0, width(), height()}.deflated(kFrameGap);
    return fitImageRect(client, static_cast<std::int32_t>(std::lround(aspect_ * kAspectScale)),
                        kAspectScale);
}

void PhotoCropView::edit(const PhotoCrop& crop) {
    if (!hasImage() || crop == crop_)
        return;
    crop_ = crop;
    update();
    emit cropEdited(crop_);
}

void PhotoCropView::zoomBySteps(double steps, QPointF at) {
    const Rect frame = areaFrame();
    // Zooming out of the photo fitted whole would only make it fill the area.
    if (frame.isEmpty() || (!crop_.isSet() && steps <= 0))
        return;
    const double anchorX = (at.x() - frame.left) / frame.width();
    const double anchorY = (at.y() - frame.top) / frame.height();
    edit(zoomCrop(crop_, coverCrop(), zoom() * std::pow(kZoomStep, steps), anchorX, anchorY));
}

void PhotoCropView::panBy(double dx, double dy) {
    // The photo fitted whole cannot move in its area: it first fills it.
    edit(panCrop(crop_.isSet() ? crop_ : coverCrop(), dx, dy));
}

Size PhotoCropView::decodeBox() const {
    // Enough pixels for the closest zoom of a part that is a slice of the
    // photo, so zooming in stays sharp without decoding again.
    const Size box = devicePixelBox();
    const auto grown = [](std::int32_t side) {
        return static_cast<std::int32_t>(std::ceil(side * kMaxCropZoom * 2));
    };
    return Size{grown(box.width), grown(box.height)};
}

void PhotoCropView::paintEvent(QPaintEvent* event) {
    const Picture* photo = picture();
    if (photo == nullptr || photo->width() <= 0 || photo->height() <= 0) {
        CImageControl::paintEvent(event);
        return;
    }
    QPainter painter(this);
    QPainterSurface surface(painter);
    const Rect client{0, 0, width(), height()};
    const Rect frame = areaFrame();
    surface.save();
    surface.fillRect(client, backgroundColour);
    surface.setBrush(Brush::solid(kAreaColour));
    surface.setPen(Pen::solid(kFrameColour));
    surface.drawRect(frame.deflated(-1));
    drawPlacedPhoto(surface, *photo, frame, crop_);
    surface.restore();
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 1, Qt::DashLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    }
}

void PhotoCropView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !hasImage()) {
        event->ignore();
        return;
    }
    setFocus(Qt::MouseFocusReason);
    dragging_ = true;
    dragStart_ = event->position().toPoint();
    dragCrop_ = crop_.isSet() ? crop_ : coverCrop();
    setCursor(Qt::ClosedHandCursor);
    event->accept();
}

void PhotoCropView::mouseMoveEvent(QMouseEvent* event) {
    const Rect frame = areaFrame();
    if (!dragging_ || frame.isEmpty())
        return;
    const QPoint moved = event->position().toPoint() - dragStart_;
    // A click is no drag: the photo fitted whole stays so.
    if (!crop_.isSet() && moved.manhattanLength() < QApplication::startDragDistance())
        return;
    edit(panCrop(dragCrop_, static_cast<double>(moved.x()) / frame.width(),
                 static_cast<double>(moved.y()) / frame.height()));
}

void PhotoCropView::mouseReleaseEvent(QMouseEvent* event) {
    if (!dragging_) {
        event->ignore();
        return;
    }
    mouseMoveEvent(event);
    dragging_ = false;
    setCursor(Qt::OpenHandCursor);
}

void PhotoCropView::wheelEvent(QWheelEvent* event) {
    const int eighths = event->angleDelta().y();
    if (!hasImage() || eighths == 0) {
        event->ignore();
        return;
    }
    zoomBySteps(eighths / 120.0, event->position());
    event->accept();
}

void PhotoCropView::keyPressEvent(QKeyEvent* event) {
    if (!hasImage()) {
        CImageControl::keyPressEvent(event);
        return;
    }
    const QPointF centre(areaFrame().left + areaFrame().width() / 2.0,
                         areaFrame().top + areaFrame().height() / 2.0);
    switch (event->key()) {
    case Qt::Key_Left:
        panBy(-kKeyPanStep, 0);
        break;
    case Qt::Key_Right:
        panBy(kKeyPanStep, 0);
        break;
    case Qt::Key_Up:
        panBy(0, -kKeyPanStep);
        break;
    case Qt::Key_Down:
        panBy(0, kKeyPanStep);
        break;
    case Qt::Key_Plus:
        zoomBySteps(1, centre);
        break;
    case Qt::Key_Minus:
        zoomBySteps(-1, centre);
        break;
    default:
        CImageControl::keyPressEvent(event);
        return;
    }
    event->accept();
}

} // namespace veltrano
