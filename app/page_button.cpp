#include "app/page_button.h"

#include "app/thumbnail_accessible_text.h"
#include "app/thumbnail_keys.h"
#include "platform/qpainter_surface.h"
#include "render/veltrano_ctrl.h"

#include <QKeyEvent>
#include <QPainter>

namespace veltrano {

PageButton::PageButton(CVeltranoCtrl& page, QWidget* parent)
    : QAbstractButton(parent), page_(page) {
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
    page_.setPhotoChangedHandler([this] { update(); });
}

PageButton::~PageButton() {
    page_.setPhotoChangedHandler({});
}

void PageButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterSurface surface(painter);
    page_.setScreenPixelRatio(devicePixelRatioF());
    page_.drawPreviewPage(surface, Rect{0, 0, width(), height()});
    paintThumbnailFocus(surface, *this);
}

void PageButton::showPage() {
    const AccessibleText text = monthThumbnailText(page_);
    setAccessibleName(QString::fromStdString(text.name));
    setAccessibleDescription(QString::fromStdString(text.description));
    update();
}

void PageButton::keyPressEvent(QKeyEvent* event) {
    if (!handleThumbnailKey(*this, *event))
        QAbstractButton::keyPressEvent(event);
}

} // namespace veltrano
