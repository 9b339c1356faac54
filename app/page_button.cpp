#include "app/page_button.h"

#include "platform/qpainter_surface.h"
#include "render/veltrano_ctrl.h"

#include <QPainter>

namespace veltrano {

PageButton::PageButton(CVeltranoCtrl& page, QWidget* parent)
    : QAbstractButton(parent), page_(page) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::NoFocus);
    page_.setPhotoChangedHandler([this] { update(); });
}

PageButton::~PageButton() {
    page_.setPhotoChangedHandler({});
}

void PageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterSurface surface(painter);
    page_.drawPreviewPage(surface, Rect{0, 0, width(), height()});
}

} // namespace veltrano
