#include "widgets/qt/message_box.h"

#include "core/strings.h"
#include "platform/qpainter_surface.h"
#include "widgets/qt/markup_controls.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QScrollBar>

#include <algorithm>

namespace veltrano {

CMyMessageBoxDlg::CMyMessageBoxDlg(QWidget* parent) : CNewDialog(kTemplateNumber, parent) {
    setModal(true);
}

void CMyMessageBoxDlg::onInitDialog() {
    buttons_ = messageBoxButtons(style_);
    symbol_ = messageBoxSymbol(style_);
    if (buttons_.yesNo) {
        setControlText(kMessageButtonControls[0], QString::fromStdString(loadString(kYesTextId)));
        setControlText(kMessageButtonControls[1], QString::fromStdString(loadString(kNoTextId)));
    }
    for (std::size_t slot = 1; slot < kMessageButtonControls.size(); ++slot) {
        if (QWidget* button = control(kMessageButtonControls[slot])) {
            button->setVisible(buttons_.results[slot] != 0);
        }
    }
    placeButtons();

    const int defaultId = kMessageButtonControls[static_cast<std::size_t>(buttons_.defaultSlot)];
    if (auto* text = qobject_cast<CNewHtmlWidget*>(control(kMessageTextControl))) {
        text->engine().setImages(kMessageSymbolBitmap, kMessageSymbolWidth);
        text->setText(QString::fromStdString(messageBoxMarkup(symbol_, message_)));
        // A screen reader announces the box by its description: the text without markup.
        setAccessibleDescription(text->accessibleName());
        growth_ = messageBoxGrowth(measureText(), text->height());
        if (growth_ > 0) {
            grow(growth_);
        }
    }
    setDefaultControl(defaultId);
    if (QWidget* button = control(defaultId)) {
        button->setFocus(Qt::OtherFocusReason);
    }
}

void CMyMessageBoxDlg::placeButtons() {
    const QWidget* first = control(kMessageButtonControls[0]);
    if (first == nullptr) {
        return;
    }
    const std::array<int, 3> left =
        messageButtonRow(buttons_.shownCount(), first->width(), width());
    std::size_t placed = 0;
    for (std::size_t slot = 0; slot < kMessageButtonControls.size(); ++slot) {
        QWidget* button = control(kMessageButtonControls[slot]);
        if (button == nullptr || buttons_.results[slot] == 0) {
            continue;
        }
        button->move(left[placed++], button->y());
    }
}

// The height of the laid-out markup at the width of the text control's page.
int CMyMessageBoxDlg::measureText() const {
    const auto* text = qobject_cast<const CNewHtmlWidget*>(control(kMessageTextControl));
    if (text == nullptr) {
        return 0;
    }
    const int scrollWidth =
        text->scrollBar() != nullptr ? text->scrollBar()->sizeHint().width() : 0;
    const int pageWidth = std::max(0, text->width() - scrollWidth);
    QImage probe(1, 1, QImage::Format_RGB32);
    QPainter painter(&probe);
    QPainterSurface surface(painter, logicalDpiX(), logicalDpiY());
    return text->engine().measure(surface, pageWidth);
}

// The content panel, the window and the text grow at the bottom; the buttons move.
void CMyMessageBoxDlg::grow(int delta) {
    if (contentRect()) {
        Rect panel = *contentRect();
        panel.bottom += delta;
        setContentRect(panel);
    }
    setFixedSize(width(), height() + delta);
    for (int id : kMessageButtonControls) {
        if (QWidget* button = control(id)) {
            button->move(button->x(), button->y() + delta);
        }
    }
    if (QWidget* text = control(kMessageTextControl)) {
        text->resize(text->width(), text->height() + delta);
    }
}

void CMyMessageBoxDlg::onCommand(int id) {
    for (std::size_t slot = 0; slot < kMessageButtonControls.size(); ++slot) {
        if (id == kMessageButtonControls[slot] && buttons_.results[slot] != 0) {
            done(buttons_.results[slot]);
            return;
        }
    }
}

int ShowMessage(const std::string& markupText, int style) {
    CMyMessageBoxDlg box(QApplication::activeWindow());
    box.setMessage(markupText);
    box.setStyle(style);
    return box.exec();
}

int ShowMessageId(int id, int style) {
    return ShowMessage(loadString(id), style);
}

} // namespace veltrano
