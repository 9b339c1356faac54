#include "widgets/qt/bg_property_sheet.h"

#include "core/translation.h"
#include "platform/qpainter_surface.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/dialog_surface.h"
#include "widgets/qt/owner_buttons.h"
#include "widgets/qt/tab_order.h"

#include <QKeyEvent>
#include <QPainter>
#include <QShortcut>

#include <algorithm>

namespace veltrano {

namespace {

constexpr int kPaletteSheet = 18;
constexpr int kMargin = 7;
constexpr int kButtonWidth = 75;
constexpr int kButtonHeight = 23;
constexpr int kButtonGap = 6;
constexpr int kPageAreaGrowth = 2;

QString translated(const QString& german) {
    if (!isTranslationLoaded()) {
        return german;
    }
    return QString::fromStdString(translate(german.toStdString(), currentLanguage()));
}

CNewButtonCtrl2* makeButton(QWidget* parent, int id, const char* german) {
    auto* button = new CNewButtonCtrl2(parent);
    setControlId(button, id);
    button->setText(translated(QString::fromUtf8(german)));
    button->resize(kButtonWidth, kButtonHeight);
    return button;
}

} // namespace

CBgPropertySheet::CBgPropertySheet(const QString& caption, QWidget* parent)
    : QDialog(parent), tabs_(this) {
    installFontSubstitutions();
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
    setWindowTitle(translated(caption));
    setModal(true);
    auto* ok = makeButton(this, kSheetOk, "OK");
    auto* cancel = makeButton(this, kSheetCancel, "Abbrechen");
    okButton_ = ok;
    cancelButton_ = cancel;
    connect(ok, &QAbstractButton::clicked, this, [this] { pressOk(); });
    connect(cancel, &QAbstractButton::clicked, this, [this] { reject(); });
    connect(&tabs_, &CBgTabCtrl::tabRequested, this, [this](int index) { setActivePage(index); });
    addKeyboardShortcuts();
    layOut();
}

void CBgPropertySheet::addKeyboardShortcuts() {
    const auto add = [this](QKeySequence keys, auto action) {
        connect(new QShortcut(keys, this), &QShortcut::activated, this, action);
    };
    const auto step = [this](int by) {
        const int count = pageCount();
        if (count > 0)
            switchByKeyboard(((activeIndex() + by) % count + count) % count);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_Tab), [step] { step(1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageDown), [step] { step(1); });
    add(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), [step] { step(-1); });
    add(QKeySequence(Qt::CTRL | Qt::Key_PageUp), [step] { step(-1); });
    for (int letter = 0; letter < 26; ++letter) {
        add(QKeySequence(Qt::ALT | static_cast<Qt::Key>(Qt::Key_A + letter)), [this, letter] {
            const int tab =
                tabs_.tabForAccessKey(QChar(QLatin1Char(static_cast<char>('a' + letter))));
            if (tab >= 0)
                switchByKeyboard(tab);
        });
    }
}

void CBgPropertySheet::switchByKeyboard(int index) {
    if (!setActivePage(index))
        return;
    // The focus left on the page now hidden would take keys nobody sees.
    if (QWidget* first = firstTabStop(page(activeIndex())))
        first->setFocus(Qt::TabFocusReason);
}

// The pages are children of the tab control, which is destroyed before the
// dialog's own children go.
CBgPropertySheet::~CBgPropertySheet() = default;

CBgPropertyPage* CBgPropertySheet::addPage(std::unique_ptr<CBgPropertyPage> page) {
    if (!page) {
        return nullptr;
    }
    CBgPropertyPage* raw = page.release();
    raw->setParent(&tabs_, Qt::Widget);
    raw->hide();
    pages_.push_back(raw);
    tabs_.addTab(translated(raw->title()));
    layOut();
    return raw;
}

CBgPropertyPage* CBgPropertySheet::page(int index) const {
    return index >= 0 && index < pageCount() ? pages_[static_cast<std::size_t>(index)] : nullptr;
}

void CBgPropertySheet::layOut() {
    QSize largest(0, 0);
    for (const CBgPropertyPage* p : pages_) {
        largest = largest.expandedTo(p->size());
    }
    const QSize tabsSize = tabs_.sizeForPage(largest);
    tabs_.setGeometry(kMargin, kMargin, tabsSize.width(), tabsSize.height());
    const int buttonTop = kMargin + tabsSize.height() + kButtonGap;
    const int width =
        std::max(tabsSize.width() + 2 * kMargin, 2 * kButtonWidth + kButtonGap + 2 * kMargin);
    cancelButton_->move(width - kMargin - kButtonWidth, buttonTop);
    okButton_->move(width - kMargin - 2 * kButtonWidth - kButtonGap, buttonTop);
    setFixedSize(width, buttonTop + kButtonHeight + kMargin);
    const QRect area = tabs_.pageArea();
    for (CBgPropertyPage* p : pages_) {
        p->move(area.topLeft());
    }
}

bool CBgPropertySheet::setActivePage(int index) {
    if (index < 0 || index >= pageCount()) {
        return false;
    }
    if (!isVisible()) {
        return tabs_.setCurrentIndex(index);
    }
    CBgPropertyPage* current = page(activeIndex());
    if (index == activeIndex()) {
        return true;
    }
    if (current != nullptr && !current->onKillActive()) {
        return false;
    }
    showPage(index);
    return true;
}

void CBgPropertySheet::showPage(int index) {
    for (int i = 0; i < pageCount(); ++i) {
        if (i != index) {
            page(i)->hide();
        }
    }
    tabs_.setCurrentIndex(index);
    CBgPropertyPage* shown = page(index);
    shown->show(); // opens the page the first time
    shown->raise();
    shown->onSetActive();
}

void CBgPropertySheet::setVisible(bool visible) {
    QDialog::setVisible(visible);
    if (visible && pageCount() > 0) {
        showPage(std::max(0, activeIndex()));
        // The keyboard starts on the page, not on OK below it.
        if (QWidget* first = firstTabStop(page(activeIndex())))
            first->setFocus(Qt::OtherFocusReason);
    }
}

void CBgPropertySheet::pressOk() {
    CBgPropertyPage* current = page(activeIndex());
    if (current != nullptr && !current->onKillActive()) {
        return;
    }
    for (CBgPropertyPage* p : pages_) {
        if (p->isInitialised()) {
            p->onOk();
        }
    }
    done(kSheetOk);
}

void CBgPropertySheet::done(int result) {
    QDialog::done(result);
}

void CBgPropertySheet::reject() {
    done(kSheetCancel);
}

void CBgPropertySheet::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            pressOk();
            event->accept();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            reject();
            event->accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

void CBgPropertySheet::paintEvent(QPaintEvent* /*event*/) {
    if (!pictureTried_ && !dialogBackgroundPicturePath().isEmpty()) {
        pictureTried_ = true;
        picture_ = loadDialogBackgroundPicture();
    }
    const QImagePicture picture(picture_);
    const QRect area = tabs_.pageArea().translated(tabs_.pos());
    DialogSurface plan;
    plan.client = Size{width(), height()};
    plan.background = paletteColour(kPaletteSheet);
    plan.outline = paletteColour(kPaletteDialogOutline);
    plan.excluded = Rect{area.left() - kPageAreaGrowth, area.top() - kPageAreaGrowth,
                         area.left() + area.width() + kPageAreaGrowth,
                         area.top() + area.height() + kPageAreaGrowth};
    plan.picture = picture_.isNull() ? nullptr : &picture;
    QPainter painter(this);
    QPainterSurface surface(painter);
    drawDialogSurface(surface, plan);
}

} // namespace veltrano
