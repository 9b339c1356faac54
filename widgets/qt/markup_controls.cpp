#include "widgets/qt/markup_controls.h"

#include "widgets/engine/markup_plain_text.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/owner_accessibility.h"
#include "widgets/qt/owner_paint.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QScrollBar>
#include <QWheelEvent>

namespace veltrano {

QUrl webLinkUrl(QString address) {
    address = address.trimmed();
    if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
        address.prepend(QLatin1String("http://"));
    }
    QUrl url(address, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() ||
        (scheme != QLatin1String("http") && scheme != QLatin1String("https") &&
         scheme != QLatin1String("ftp"))) {
        return QUrl();
    }
    return url;
}

QUrl mailLinkUrl(QString address) {
    address = address.trimmed();
    if (address.isEmpty() || address.contains(QLatin1Char(' ')) ||
        address.contains(QLatin1Char('?')) || address.contains(QLatin1Char('\n')) ||
        address.contains(QLatin1Char('\r'))) {
        return QUrl();
    }
    QUrl url;
    url.setScheme(QStringLiteral("mailto"));
    url.setPath(address);
    return url.isValid() ? url : QUrl();
}

void DesktopLinkOpener::openWebAddress(std::string_view address) {
    const QUrl url =
        webLinkUrl(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

void DesktopLinkOpener::startMail(std::string_view address) {
    const QUrl url =
        mailLinkUrl(QString::fromUtf8(address.data(), static_cast<qsizetype>(address.size())));
    if (url.isValid()) {
        QDesktopServices::openUrl(url);
    }
}

CNewHtmlWidget::CNewHtmlWidget(QWidget* parent)
    : QWidget(parent), scrollBar_(new QScrollBar(Qt::Vertical, this)) {
    installOwnerAccessibility();
    setMouseTracking(true);
    engine_.setPictureSource(&resourcePictures());
    engine_.setImages(sharedResource(kSharedListImages), 16);
    connect(scrollBar_, &QScrollBar::valueChanged, this, [this](int value) {
        engine_.scroll(ScrollAction::Thumb, value);
        update();
    });
}

void CNewHtmlWidget::setText(const QString& text) {
    engine_.setText(text.toStdString());
    setAccessibleName(QString::fromStdString(richMarkupPlainText(engine_.text())));
    update();
}

void CNewHtmlWidget::setBackground(Colour colour) {
    engine_.setBackground(colour);
    page_ = QImage(); // drawn again with the new colour
    update();
}

QSize CNewHtmlWidget::pageClientSize() const {
    return QSize(std::max(0, width() - scrollBar_->sizeHint().width()), height());
}

void CNewHtmlWidget::refreshPage() {
    const QSize client = pageClientSize();
    const Size size{client.width(), client.height()};
    // The page is kept in device pixels, so that text and pictures stay sharp
    // on screens of more than one pixel per unit.
    const qreal ratio = devicePixelRatioF();
    if (!engine_.needsLayout(size) && !page_.isNull() && page_.devicePixelRatio() == ratio) {
        return;
    }
    {
        QImage probe(1, 1, QImage::Format_RGB32);
        QPainter painter(&probe);
        QPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
        engine_.layOut(surface, size);
    }
    page_ = QImage(QSize(std::max(1, size.width), std::max(1, engine_.pageHeight())) * ratio,
                   QImage::Format_RGB32);
    page_.setDevicePixelRatio(ratio);
    page_.fill(toQColor(engine_.background()));
    QPainter painter(&page_);
    QPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
    engine_.drawPage(surface);
    syncScrollBar();
}

void CNewHtmlWidget::syncScrollBar() {
    const QSignalBlocker blocker(scrollBar_);
    scrollBar_->setRange(0, engine_.scrollMaximum());
    scrollBar_->setPageStep(std::max(1, height()));
    scrollBar_->setSingleStep(std::max(1, engine_.lineStep()));
    scrollBar_->setValue(engine_.scrollPosition());
    // A text that fits needs no scroll bar; its room stays reserved so the
    // layout does not change width when the bar comes and goes.
    scrollBar_->setVisible(engine_.scrollMaximum() > 0);
}

void CNewHtmlWidget::paintEvent(QPaintEvent*) {
    refreshPage();
    QPainter painter(this);
    const Rect band = engine_.visibleBand();
    painter.fillRect(rect(), toQColor(engine_.background()));
    const qreal ratio = page_.devicePixelRatio();
    painter.drawImage(
        QRectF(0, 0, band.width(), band.height()), page_,
        QRectF(band.left * ratio, band.top * ratio, band.width() * ratio, band.height() * ratio));
}

void CNewHtmlWidget::resizeEvent(QResizeEvent*) {
    const int w = scrollBar_->sizeHint().width();
    scrollBar_->setGeometry(width() - w, 0, w, height());
}

void CNewHtmlWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (engine_.showsHandAt(Point{p.x(), p.y()})) {
        setCursor(handCursor());
    } else {
        unsetCursor();
    }
}

void CNewHtmlWidget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    const QPoint p = event->position().toPoint();
    if (engine_.click(Point{p.x(), p.y()}, *opener_) == ClickOutcome::ButtonClicked) {
        emit buttonAreaClicked(engine_.clickedArea());
    }
}

void CNewHtmlWidget::wheelEvent(QWheelEvent* event) {
    const int steps = event->angleDelta().y() / 40;
    engine_.scroll(ScrollAction::Thumb, engine_.scrollPosition() - steps * engine_.lineStep());
    syncScrollBar();
    update();
}

CHtmlTextWidget::CHtmlTextWidget(QWidget* parent) : QWidget(parent) {
    installOwnerAccessibility();
    setMouseTracking(true);
    engine_.setPictureSource(&resourcePictures());
}

void CHtmlTextWidget::setText(const QString& text) {
    engine_.setText(text.toStdString());
    setAccessibleName(QString::fromStdString(labelMarkupPlainText(engine_.text())));
    update();
}

void CHtmlTextWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
    engine_.paint(surface, Size{width(), height()});
}

void CHtmlTextWidget::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) {
        engine_.setEnabled(isEnabled());
        update();
    }
    QWidget::changeEvent(event);
}

void CHtmlTextWidget::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (engine_.showsHandAt(Point{p.x(), p.y()}, width())) {
        setCursor(handCursor());
    } else {
        unsetCursor();
    }
}

void CHtmlTextWidget::mousePressEvent(QMouseEvent* event) {
    event->accept(); // clicks stay with the label
}

void CHtmlTextWidget::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    if (event->button() == Qt::LeftButton && engine_.click(Point{p.x(), p.y()}, width())) {
        emit linkClicked(controlId(this));
    }
}

} // namespace veltrano
