#include "app/thumbnail_keys.h"

#include "widgets/qt/owner_paint.h"

#include <QAbstractButton>
#include <QKeyEvent>

#include <cstdlib>

#include <limits>

namespace veltrano {
namespace {

// False when no sibling lies that way.
bool moveFocusByArrow(QAbstractButton& from, int key) {
    int dx = 0;
    int dy = 0;
    switch (key) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    default:
        return false;
    }
    QWidget* parent = from.parentWidget();
    if (parent == nullptr)
        return false;
    const QPoint origin = from.geometry().center();
    QAbstractButton* best = nullptr;
    long long bestScore = std::numeric_limits<long long>::max();
    for (QAbstractButton* other :
         parent->findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly)) {
        if (other == &from || !other->isVisible() || !other->isEnabled() ||
            (other->focusPolicy() & Qt::TabFocus) == 0)
            continue;
        const QPoint offset = other->geometry().center() - origin;
        const int along = offset.x() * dx + offset.y() * dy;
        if (along <= 0)
            continue;
        // Straight ahead wins over a nearer button off to the side.
        const int across = dx != 0 ? offset.y() : offset.x();
        const long long score = static_cast<long long>(along) + 4LL * std::abs(across);
        if (score < bestScore) {
            bestScore = score;
            best = other;
        }
    }
    if (best == nullptr)
        return false;
    best->setFocus(Qt::TabFocusReason);
    return true;
}

} // namespace

bool handleThumbnailKey(QAbstractButton& button, const QKeyEvent& event) {
    if (event.modifiers() & ~Qt::KeypadModifier)
        return false;
    if (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter) {
        button.click();
        return true;
    }
    return moveFocusByArrow(button, event.key());
}

void paintThumbnailFocus(DrawingSurface& surface, const QAbstractButton& button) {
    if (!button.hasFocus())
        return;
    surface.setPen(Pen::solid(fromQColor(button.palette().color(QPalette::Highlight)), 3));
    surface.setBrush(Brush::null());
    surface.drawRect(clientRect(&button));
}

} // namespace veltrano
