#include "widgets/qt/markup_controls.h"

#include "widgets/engine/markup_plain_text.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/owner_accessibility.h"
#include "widgets/qt/owner_paint.h"

#include <QAccessible>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>

namespace veltrano {
namespace {

// The focus mark of an area of a markup text: a frame in the highlight
// colour just outside the area.
void drawAreaFocusMark(QPainter& painter, const QWidget& text, const QRect& area) {
    painter.setPen(text.palette().color(QPalette::Highlight));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(area.adjusted(-1, -1, 0, 0));
}

bool isPressKey(const QKeyEvent& event) {
    const bool plain =
        event.modifiers() == Qt::NoModifier || event.modifiers() == Qt::KeypadModifier;
    return plain && (event.key() == Qt::Key_Return || event.key() == Qt::Key_Enter ||
                     event.key() == Qt::Key_Space);
}

} // namespace

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
    // Only a text with areas has anything for the keyboard.
    const int count = static_cast<int>(engine_.areas().size());
    setFocusPolicy(count > 0 ? Qt::StrongFocus : Qt::NoFocus);
    focusedArea_ = std::clamp(focusedArea_, 0, std::max(0, count - 1));
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
    const int focused = focusedArea();
    if (focused >= 0 && focused < areaCount())
        drawAreaFocusMark(painter, *this, area(focused).rect);
}

MarkupAreaSource::Area CNewHtmlWidget::area(int index) const {
    const MarkupArea& a = engine_.areas()[static_cast<std::size_t>(index)];
    const Rect band = engine_.visibleBand();
    return Area{QString::fromStdString(a.text).trimmed(),
                QRect(a.rect.left, a.rect.top - band.top, a.rect.width(), a.rect.height()),
                a.kind == AreaKind::Button, a.rect.bottom <= band.top || a.rect.top >= band.bottom};
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
    activateArea(engine_.areaAt(Point{p.x(), p.y()}));
}

void CNewHtmlWidget::activateArea(int index) {
    if (engine_.activate(index, *opener_) == ClickOutcome::ButtonClicked) {
        emit buttonAreaClicked(engine_.clickedArea());
    }
}

void CNewHtmlWidget::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(*event)) {
        activateArea(focusedArea_);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CNewHtmlWidget::focusInEvent(QFocusEvent* event) {
    refreshPage();
    const int count = static_cast<int>(engine_.areas().size());
    if (event->reason() == Qt::BacktabFocusReason)
        focusedArea_ = count - 1;
    else if (event->reason() == Qt::TabFocusReason)
        focusedArea_ = 0;
    showFocusedArea();
    QWidget::focusInEvent(event);
}

void CNewHtmlWidget::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

bool CNewHtmlWidget::focusNextPrevChild(bool next) {
    const int to = focusedArea_ + (next ? 1 : -1);
    if (hasFocus() && to >= 0 && to < static_cast<int>(engine_.areas().size())) {
        focusedArea_ = to;
        showFocusedArea();
        return true;
    }
    return QWidget::focusNextPrevChild(next);
}

// Scrolls the focused area into view and draws its mark.
void CNewHtmlWidget::showFocusedArea() {
    if (focusedArea_ >= 0 && static_cast<std::size_t>(focusedArea_) < engine_.areas().size()) {
        const Rect r = engine_.areas()[static_cast<std::size_t>(focusedArea_)].rect;
        const Rect band = engine_.visibleBand();
        if (r.top < band.top || r.bottom > band.bottom) {
            engine_.scroll(ScrollAction::Thumb, r.top);
            syncScrollBar();
        }
        if (hasFocus() && QAccessible::isActive()) {
            // Screen readers follow the focus from area to area.
            QAccessibleEvent moved(this, QAccessible::Focus);
            moved.setChild(focusedArea_);
            QAccessible::updateAccessibility(&moved);
        }
    }
    update();
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
    linkWords_ = labelMarkupLinkText(engine_.text());
    // Only a label with a link has anything for the keyboard.
    setFocusPolicy(linkWords_.has_value() ? Qt::StrongFocus : Qt::NoFocus);
    update();
}

QRect CHtmlTextWidget::linkRect() const {
    const auto ends = engine_.linkEnds();
    if (!ends)
        return {};
    const auto [start, end] = *ends;
    // A wrapped link runs from its first line's start over whole lines.
    if (end.x < start.x)
        return QRect(QPoint(0, start.y), QPoint(width() - 1, end.y - 1));
    return QRect(QPoint(start.x, start.y), QPoint(end.x - 1, end.y - 1));
}

MarkupAreaSource::Area CHtmlTextWidget::area(int) const {
    const QRect r = linkRect();
    return Area{QString::fromStdString(linkWords_.value_or(std::string())), r, false,
                !r.intersects(rect())};
}

void CHtmlTextWidget::activateArea(int index) {
    if (index == 0 && areaCount() > 0 && isEnabled())
        emit linkClicked(controlId(this));
}

void CHtmlTextWidget::keyPressEvent(QKeyEvent* event) {
    if (isPressKey(*event) && areaCount() > 0) {
        activateArea(0);
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void CHtmlTextWidget::focusInEvent(QFocusEvent* event) {
    update();
    QWidget::focusInEvent(event);
}

void CHtmlTextWidget::focusOutEvent(QFocusEvent* event) {
    update();
    QWidget::focusOutEvent(event);
}

void CHtmlTextWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
    engine_.paint(surface, Size{width(), height()});
    if (focusedArea() == 0)
        drawAreaFocusMark(painter, *this, linkRect());
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
