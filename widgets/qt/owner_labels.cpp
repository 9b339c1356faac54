#include "widgets/qt/owner_labels.h"

#include "widgets/qt/owner_paint.h"

namespace veltrano {

void CNewTextCtrl::paintEvent(QPaintEvent*) {
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        drawTextCtrl(surface, clientRect(this), caption, look_);
    });
}

CTextWnd::CTextWnd(QWidget* parent) : CaptionedControl(parent) {
    look_.background = fromQColor(palette().color(QPalette::Base));
    look_.text = fromQColor(palette().color(QPalette::Text));
}

void CTextWnd::paintEvent(QPaintEvent*) {
    const PictureStrip strip = listImageStrip();
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        const Rect client = clientRect(this);
        drawTextWnd(surface, client, caption, look_, usable(strip));
        if (flatBorder_) {
            surface.setPen(Pen::solid(paletteColour(kPaletteDialogFrame)));
            surface.setBrush(Brush::null());
            surface.drawRect(client);
        }
    });
}

void CNewHeadlineCtrl::paintEvent(QPaintEvent*) {
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        drawHeadline(surface, clientRect(this), caption, firstLevel_, background_, text_);
    });
}

void CLineCtrl::paintEvent(QPaintEvent*) {
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        drawLineCtrl(surface, clientRect(this), background_, gray_);
    });
}

void CNewGroupList::paintEvent(QPaintEvent*) {
    const std::string caption = text().toStdString();
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        const Rect client = clientRect(this);
        const Colour background = paletteColour(kPaletteDialogBackground);
        surface.fillRect(client, background);
        surface.setFont(FontSpec{kControlFace, kControlPoints});
        const Size extent = surface.textExtent(caption);
        const int middle = extent.height / 2;
        surface.setPen(Pen::solid(paletteColour(kPaletteDialogFrame)));
        surface.setBrush(Brush::null());
        surface.drawRect(Rect{client.left, client.top + middle, client.right, client.bottom});
        if (!caption.empty()) {
            surface.setBackgroundMode(BackgroundMode::Opaque);
            surface.setBackgroundColour(background);
            surface.setTextColour(paletteColour(kPaletteDialogText));
            surface.drawText(Rect{8, 0, 8 + extent.width + 4, extent.height}, caption,
                             TextSingleLine | TextNoPrefix | TextCentre);
        }
    });
}

CMyTabCtrl::CMyTabCtrl(QWidget* parent) : QTabBar(parent) {
    setDrawBase(false);
}

void CMyTabCtrl::paintEvent(QPaintEvent*) {
    paintThroughSurface(this, [&](DrawingSurface& surface) {
        surface.fillRect(clientRect(this), background_);
        surface.setFont(FontSpec{kControlFace, kControlPoints});
        surface.setBackgroundMode(BackgroundMode::Transparent);
        for (int i = 0; i < count(); ++i) {
            const QRect r = tabRect(i);
            const bool current = i == currentIndex();
            const Rect tab{r.left(), r.top() + (current ? 0 : 2), r.right() + 1, r.bottom() + 1};
            surface.setPen(Pen::solid(paletteColour(kPaletteDialogFrame)));
            surface.setBrush(Brush::solid(current ? background_ : paletteColour(18)));
            surface.drawRect(tab);
            surface.setTextColour(isTabEnabled(i) ? text_ : paletteColour(24));
            surface.drawText(tab, tabText(i).toStdString(),
                             TextSingleLine | TextCentre | TextVCentre | TextNoPrefix);
        }
    });
}

} // namespace veltrano
