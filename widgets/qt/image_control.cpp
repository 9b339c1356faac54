#include "widgets/qt/image_control.h"

#include "platform/qpainter_surface.h"
#include "platform/qt_image_decoder.h"
#include "render/photo_fit.h"

#include <QPainter>

namespace veltrano {

CImageControl::CImageControl(QWidget* parent, const ImageDecoder* decoder)
    : QAbstractButton(parent), decoder_(decoder) {
    if (decoder_ == nullptr) {
        ownDecoder_ = std::make_unique<QtImageDecoder>();
        decoder_ = ownDecoder_.get();
    }
    setFocusPolicy(Qt::NoFocus);
}

CImageControl::~CImageControl() = default;

bool CImageControl::showFile(const std::string& path) {
    image_ = DecodedImage{};
    // The pixels held need not exceed the box: the preview never enlarges.
    DecodedImage decoded = decoder_->decode(path, Size{width(), height()});
    if (!decoded) {
        return false;
    }
    image_ = std::move(decoded);
    repaint();
    return true;
}

void CImageControl::clear() {
    image_ = DecodedImage{};
    repaint();
}

Size CImageControl::imageSize() const {
    if (image_.picture == nullptr) {
        return Size{0, 0};
    }
    return Size{image_.picture->width(), image_.picture->height()};
}

QImage CImageControl::render() const {
    QImage buffer(qMax(1, width()), qMax(1, height()), QImage::Format_RGB32);
    QPainter painter(&buffer);
    QPainterSurface surface(painter);
    const Picture* picture = image_.picture.get();
    // A photo without area has nothing to show; only the background is drawn.
    if (picture != nullptr && (picture->width() <= 0 || picture->height() <= 0)) {
        picture = nullptr;
    }
    drawPhotoPreview(surface, Rect{0, 0, width(), height()}, picture, backgroundColour);
    return buffer;
}

void CImageControl::paintEvent(QPaintEvent* /*event*/) {
    const QImage buffer = render();
    QPainter painter(this);
    painter.drawImage(0, 0, buffer);
}

} // namespace veltrano
