#include "widgets/qt/owner_buttons.h"

#include "resources/pictures/picture_numbers.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/owner_accessibility.h"
#include "widgets/qt/owner_paint.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace veltrano {

CNewButtonCtrl2::CNewButtonCtrl2(QWidget* parent) : QAbstractButton(parent) {
    installOwnerAccessibility();
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setCursor(handCursor());
}

QSize CNewButtonCtrl2::sizeHint() const {
    const QSize extent = fontMetrics().size(Qt::TextSingleLine, text());
    return QSize(extent.width() + (image_ >= 0 ? 40 : 16), 23);
}

void CNewButtonCtrl2::paintEvent(QPaintEvent*) {
    const PictureStrip strip = listImageStrip();
    const PictureStrip greyed = listImageStrip(true);
    ButtonState state;
    state.enabled = isEnabled();
    state.pressed = isDown();
    state.hover = hover_;
    state.focus = hasFocus();
    state.image = image_;
    state.look = look_;
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        drawPushButton(surface, clientRect(this), caption, colours_, state, usable(strip),
                       usable(greyed));
    });
}

void CNewButtonCtrl2::setHover(bool on) {
    if (hover_ != on) {
        hover_ = on;
        update();
    }
}

void CNewButtonCtrl2::enterEvent(QEnterEvent* event) {
    setHover(true);
    QAbstractButton::enterEvent(event);
}

void CNewButtonCtrl2::leaveEvent(QEvent* event) {
    setHover(false);
    QAbstractButton::leaveEvent(event);
}

// While the mouse is held the button keeps the mouse; hovering follows
// whether the pointer is still over it, before the button's own handling.
void CNewButtonCtrl2::followPointer(const QMouseEvent* event) {
    setHover(rect().contains(event->position().toPoint()));
}

void CNewButtonCtrl2::mouseMoveEvent(QMouseEvent* event) {
    followPointer(event);
    QAbstractButton::mouseMoveEvent(event);
}

void CNewButtonCtrl2::mousePressEvent(QMouseEvent* event) {
    followPointer(event);
    QAbstractButton::mousePressEvent(event);
}

// Enter presses the focused button as Space does; other keys go on as usual.
void CNewButtonCtrl2::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == 0) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

void CNewButtonCtrl2::mouseReleaseEvent(QMouseEvent* event) {
    followPointer(event);
    QAbstractButton::mouseReleaseEvent(event);
}

CNewCheckBox::CNewCheckBox(QWidget* parent) : QAbstractButton(parent) {
    installOwnerAccessibility();
    setCheckable(true);
    setFocusPolicy(Qt::StrongFocus);
    connect(this, &QAbstractButton::clicked, this,
            [this] { emit commandNotification(controlId(this)); });
}

bool CNewCheckBox::setState(int state) {
    if (state < 0 || state > (threeState_ ? 2 : 1)) {
        return false;
    }
    if (state != state_) {
        state_ = state;
        setChecked(state_ != 0);
        update();
    }
    return true;
}

QSize CNewCheckBox::sizeHint() const {
    return QSize(20 + fontMetrics().horizontalAdvance(text()) + 4, 16);
}

void CNewCheckBox::nextCheckState() {
    state_ = veltrano::nextCheckState(state_, threeState_);
    setChecked(state_ != 0);
    update();
}

void CNewCheckBox::checkStateSet() {
    // setChecked from outside: follow it, keeping the third state when it
    // still reads as checked.
    if (isChecked() != (state_ != 0)) {
        state_ = isChecked() ? 1 : 0;
    }
    update();
}

void CNewCheckBox::paintEvent(QPaintEvent*) {
    // Shared resource 1 names the box images; until it is set, the widget
    // set's own pictures.
    const int shared = sharedResource(1);
    const PictureStrip images =
        resourceStrip(shared != 0 ? shared : pictures::kCheckBoxImages, kCheckImageSize);
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        drawCheckBox(surface, clientRect(this), caption, state_, isEnabled(), text_, background_,
                     usable(images), hasFocus());
    });
}

CMyBitmapButton::CMyBitmapButton(int upBitmap, int downBitmap, QWidget* parent)
    : QAbstractButton(parent), up_(upBitmap), down_(downBitmap) {
    setCursor(handCursor());
}

void CMyBitmapButton::paintEvent(QPaintEvent*) {
    const Picture* picture = resourcePictures().picture(isDown() ? down_ : up_);
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        if (picture == nullptr) {
            // Without its bitmaps the button still looks like one of the family.
            ButtonState state;
            state.enabled = isEnabled();
            state.pressed = isDown();
            drawPushButton(surface, clientRect(this), text().toStdString(),
                           ButtonColours::fromPalette(), state, nullptr, nullptr);
            return;
        }
        surface.fillRect(clientRect(this), paletteColour(kPaletteDialogBackground));
        const int x = (width() - picture->width()) / 2;
        const int y = (height() - picture->height()) / 2;
        surface.drawPicture(*picture, Rect{x, y, x + picture->width(), y + picture->height()});
    });
}

CImagelistButton::CImagelistButton(QWidget* parent) : QAbstractButton(parent) {
    setCursor(handCursor());
}

void CImagelistButton::paintEvent(QPaintEvent*) {
    const PictureStrip strip = resourceStrip(bitmap_, 32, !isEnabled());
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        const Rect client = clientRect(this);
        surface.fillRect(client, background_);
        if (isDown()) {
            surface.setPen(Pen::solid(paletteColour(kPaletteDialogFrame)));
            surface.drawRect(client);
        }
        const int shift = isDown() ? 1 : 0;
        strip.draw(surface, Point{(width() - 32) / 2 + shift, (height() - 32) / 2 + shift}, index_);
    });
}

CButtonBar::CButtonBar(QWidget* parent) : QWidget(parent) {
    installOwnerAccessibility();
}

void CButtonBar::setDefinition(const QString& definition) {
    for (CNewButtonCtrl2* button : buttons_) {
        delete button;
    }
    buttons_.clear();
    const QStringList texts = definition.split(QLatin1Char('|'), Qt::SkipEmptyParts);
    for (const QString& text : texts) {
        auto* button = new CNewButtonCtrl2(this);
        button->setText(text);
        const int index = static_cast<int>(buttons_.size());
        connect(button, &QAbstractButton::clicked, this,
                [this, index] { emit buttonClicked(index); });
        button->show();
        buttons_.push_back(button);
    }
    placeButtons();
}

CNewButtonCtrl2* CButtonBar::button(int index) const {
    return index >= 0 && index < buttonCount() ? buttons_[static_cast<std::size_t>(index)]
                                               : nullptr;
}

void CButtonBar::placeButtons() {
    const int gap = 4;
    int x = gap;
    for (CNewButtonCtrl2* button : buttons_) {
        const int w = std::max(60, button->sizeHint().width());
        button->setGeometry(x, 2, w, std::max(1, height() - 4));
        x += w + gap;
    }
}

void CButtonBar::resizeEvent(QResizeEvent*) {
    placeButtons();
}

void CButtonBar::paintEvent(QPaintEvent*) {
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        surface.fillRect(clientRect(this), paletteColour(kPaletteDialogBackground));
        surface.fillRect(Rect{0, height() - 1, width(), height()},
                         paletteColour(kPaletteDialogFrame));
    });
}

} // namespace veltrano
