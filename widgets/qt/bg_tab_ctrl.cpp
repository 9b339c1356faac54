#include "widgets/qt/bg_tab_ctrl.h"

#include "platform/qpainter_surface.h"
#include "widgets/engine/access_keys.h"
#include "widgets/engine/palette.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace veltrano {

namespace {

constexpr int kPaletteTabText = 19;
constexpr int kPaletteSheet = 18;
constexpr int kTabPadding = 8;   // each side of a title
constexpr int kTabVertical = 4;  // above and below a title
constexpr int kSelectedDrop = 2; // the selected tab reaches this far down
constexpr int kPageInset = 4;

std::size_t colourIndex(std::size_t tab) {
    return tab < kTabColourCount ? tab : 0;
}

// At most the first kTabTitleLimit characters of a UTF-8 title.
std::string_view limitedTitle(std::string_view title) {
    std::size_t characters = 0;
    for (std::size_t i = 0; i < title.size(); ++i) {
        if ((static_cast<unsigned char>(title[i]) & 0xC0) != 0x80) {
            if (characters == kTabTitleLimit) {
                return title.substr(0, i);
            }
            ++characters;
        }
    }
    return title;
}

} // namespace

void drawTabStrip(DrawingSurface& surface, const TabStrip& strip) {
    surface.save();
    if (!strip.flat && !strip.tabs.empty()) {
        const int stripBottom = strip.tabs.front().height() + kSelectedDrop;
        surface.fillRect(Rect{0, 0, strip.client.width, stripBottom}, strip.strip);
        surface.fillRect(Rect{0, stripBottom, strip.client.width, strip.client.height},
                         strip.background[0]);
    }
    surface.setFont(strip.font);
    surface.setBackgroundMode(BackgroundMode::Transparent);
    for (std::size_t i = 0; i < strip.tabs.size(); ++i) {
        Rect tab = strip.tabs[i];
        if (static_cast<int>(i) == strip.selected) {
            tab.bottom += kSelectedDrop;
        }
        const std::size_t colour = colourIndex(i);
        surface.setPen(Pen::solid(strip.background[colour]));
        surface.setBrush(Brush::solid(strip.background[colour]));
        surface.drawRect(tab);
        surface.setTextColour(strip.text[colour]);
        const std::string_view title =
            i < strip.titles.size() ? limitedTitle(strip.titles[i]) : std::string_view();
        const int key = i < strip.accessKeys.size() ? strip.accessKeys[i] : -1;
        const TextFlags flags = TextCentre | TextVCentre | TextSingleLine;
        if (key >= 0 && static_cast<std::size_t>(key) < title.size())
            surface.drawText(tab, markAccessKey(std::string(title), key), flags);
        else
            surface.drawText(tab, title, flags | TextNoPrefix);
    }
    surface.restore();
}

CBgTabCtrl::CBgTabCtrl(QWidget* parent) : QWidget(parent) {
    tabText.fill(paletteColour(kPaletteTabText));
    tabBackground.fill(paletteColour(kPaletteDialogBackground));
    stripColour = paletteColour(kPaletteSheet);
    installFontSubstitutions();
    setFont(QFont(QStringLiteral("MS Shell Dlg"), 8));
}

int CBgTabCtrl::addTab(const QString& title) {
    titles_.push_back(title);
    std::vector<std::string> utf8;
    for (const QString& t : titles_)
        utf8.push_back(t.toStdString());
    accessKeys_ = chooseAccessKeys(utf8);
    if (current_ < 0) {
        current_ = 0;
    }
    update();
    return count() - 1;
}

QString CBgTabCtrl::tabTitle(int index) const {
    return index >= 0 && index < count() ? titles_[static_cast<std::size_t>(index)] : QString();
}

int CBgTabCtrl::tabForAccessKey(QChar letter) const {
    for (std::size_t i = 0; i < titles_.size(); ++i) {
        const int key = accessKeys_[i];
        if (key < 0)
            continue;
        const char c = titles_[i].toStdString()[static_cast<std::size_t>(key)];
        if (QChar(QLatin1Char(c)).toLower() == letter.toLower())
            return static_cast<int>(i);
    }
    return -1;
}

bool CBgTabCtrl::setCurrentIndex(int index) {
    if (index < 0 || index >= count()) {
        return false;
    }
    if (index != current_) {
        current_ = index;
        update();
        emit currentChanged(index);
    }
    return true;
}

int CBgTabCtrl::tabHeight() const {
    return QFontMetrics(font()).height() + 2 * kTabVertical;
}

std::vector<Rect> CBgTabCtrl::tabRects() const {
    const QFontMetrics metrics(font());
    std::vector<Rect> rects;
    int left = 0;
    for (const QString& title : titles_) {
        const int width = metrics.horizontalAdvance(title) + 2 * kTabPadding;
        rects.push_back(Rect{left, 0, left + width, tabHeight()});
        left += width + 1; // a one-pixel gap of strip colour between tabs
    }
    return rects;
}

QRect CBgTabCtrl::pageArea() const {
    const int top = tabHeight() + kSelectedDrop + kPageInset;
    return QRect(kPageInset, top, std::max(0, width() - 2 * kPageInset),
                 std::max(0, height() - top - kPageInset));
}

QSize CBgTabCtrl::sizeForPage(const QSize& pageSize) const {
    const int tabsWidth = tabRects().empty() ? 0 : tabRects().back().right;
    return QSize(std::max(tabsWidth, pageSize.width() + 2 * kPageInset),
                 tabHeight() + kSelectedDrop + pageSize.height() + 2 * kPageInset);
}

void CBgTabCtrl::paintEvent(QPaintEvent* /*event*/) {
    TabStrip strip;
    strip.client = Size{width(), height()};
    strip.tabs = tabRects();
    for (const QString& title : titles_) {
        strip.titles.push_back(title.toStdString());
    }
    strip.accessKeys = accessKeys_;
    strip.selected = current_;
    strip.text = tabText;
    strip.background = tabBackground;
    strip.strip = stripColour;
    strip.flat = flat;
    strip.font = FontSpec{"MS Shell Dlg", 8};
    QPainter painter(this);
    QPainterSurface surface(painter);
    drawTabStrip(surface, strip);
}

void CBgTabCtrl::mousePressEvent(QMouseEvent* event) {
    const Point at{event->position().toPoint().x(), event->position().toPoint().y()};
    const std::vector<Rect> rects = tabRects();
    for (std::size_t i = 0; i < rects.size(); ++i) {
        if (rects[i].contains(at)) {
            if (static_cast<int>(i) != current_) {
                emit tabRequested(static_cast<int>(i));
            }
            event->accept();
            return;
        }
    }
    QWidget::mousePressEvent(event);
}

} // namespace veltrano
