#include "widgets/qt/bg_property_page.h"

#include "platform/qpainter_surface.h"

#include <QKeyEvent>
#include <QPainter>

namespace veltrano {

CBgPropertyPage::CBgPropertyPage(int templateNumber, QString title, QWidget* parent)
    : CNewDialog(templateNumber, parent), title_(std::move(title)) {
    setWindowFlags(Qt::Widget);
}

CBgPropertyPage::CBgPropertyPage(const DialogTemplate& dialogTemplate, QString title,
                                 QWidget* parent)
    : CNewDialog(dialogTemplate, parent), title_(std::move(title)) {
    setWindowFlags(Qt::Widget);
}

void CBgPropertyPage::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QPainterSurface surface(painter);
    surface.setPen(Pen::solid(backgroundColour));
    surface.setBrush(Brush::solid(backgroundColour));
    surface.drawRect(Rect{0, 0, width(), height()});
}

void CBgPropertyPage::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter ||
        event->key() == Qt::Key_Escape) {
        event->ignore();
        return;
    }
    CNewDialog::keyPressEvent(event);
}

} // namespace veltrano
