#include "widgets/qt/image_control.h"

#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "render/photo_fit.h"

#include <QPainter>

#include <cmath>

namespace veltrano {

CImageControl::CImageControl(QWidget* parent, const ImageDecoder* decoder)
    : QAbstractButton(parent), decoder_(decoder) {
    if (decoder_ == nullptr) {
        ownDecoder_ = std::make_unique<QtImageDecoder>();
        decoder_ = ownDecoder_.get();
    }
    setFocusPolicy(Qt::NoFocus);
}

CImageControl::~CImageControl() {
    setPhotoLoader(nullptr);
}

void CImageControl::setPhotoLoader(PhotoLoader* loader) {
    if (loader_ != nullptr) {
        loader_->cancel(*this);
    }
    loader_ = loader;
    pendingTicket_ = 0;
}

bool CImageControl::showFile(const std::string& path) {
    image_ = DecodedImage{};
    path_ = path;
    pendingTicket_ = 0;
    // The pixels held need not exceed the box at the screen's pixels: the
    // preview never enlarges.
    const Size box = decodeBox();
    if (loader_ != nullptr) {
        pendingTicket_ = loader_->request(path, box, *this);
        repaint();
        emit imageChanged();
        return true;
    }
    image_ = decoder_->decode(path, box);
    emit imageChanged();
    if (!image_) {
        update();
        return false;
    }
    repaint();
    return true;
}

void CImageControl::photoArrived(std::uint64_t ticket, DecodedImage photo) {
    if (ticket != pendingTicket_) {
        return;
    }
    pendingTicket_ = 0;
    image_ = std::move(photo);
    update();
    emit imageChanged();
}

void CImageControl::clear() {
    image_ = DecodedImage{};
    path_.clear();
    pendingTicket_ = 0;
    repaint();
    emit imageChanged();
}

Size CImageControl::devicePixelBox() const {
    const qreal ratio = devicePixelRatioF();
    return Size{static_cast<int>(std::ceil(width() * ratio)),
                static_cast<int>(std::ceil(height() * ratio))};
}

Size CImageControl::imageSize() const {
    if (image_.picture == nullptr) {
        return Size{0, 0};
    }
    return Size{image_.picture->width(), image_.picture->height()};
}

QImage CImageControl::render() const {
    // Drawn at the screen's pixels, so that a photo decoded for them stays sharp.
    const Size pixels = devicePixelBox();
    QImage buffer(qMax(1, pixels.width), qMax(1, pixels.height), QImage::Format_RGB32);
    buffer.setDevicePixelRatio(devicePixelRatioF());
    QPainter painter(&buffer);
    QPainterSurface surface(painter);
    const Picture* picture = image_.picture.get();
    // A photo without area has nothing to show; only the background is drawn.
    if (picture != nullptr && (picture->width() <= 0 || picture->height() <= 0)) {
        picture = nullptr;
    }
    const Rect client{0, 0, width(), height()};
    drawPhotoPreview(surface, client, picture, backgroundColour);
    if (image_.picture == nullptr && image_.problem != PhotoProblem::None) {
        drawPhotoProblem(surface, client, path_, image_.problem);
    }
    return buffer;
}

void CImageControl::paintEvent(QPaintEvent* /*event*/) {
    const QImage buffer = render();
    QPainter painter(this);
    painter.drawImage(0, 0, buffer);
}

} // namespace veltrano
