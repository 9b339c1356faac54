#include "widgets/qt/owner_drawn_menu.h"

#include "core/translation.h"
#include "resources/pictures/picture_numbers.h"
#include "widgets/engine/command_images.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/ie4bar.h"
#include "widgets/qt/owner_paint.h"
#include "widgets/qt/pictures.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleFactory>
#include <QStyleOptionMenuItem>
#include <algorithm>

namespace veltrano {
namespace {

constexpr int kPaletteMenuTextArea = 28;
constexpr int kPaletteMenuText = 30;
constexpr int kPaletteMenuTextDisabled = 31;
constexpr int kPaletteMenuHighlightOutline = 32;
constexpr int kPaletteMenuHighlightFill = 33;
constexpr int kPaletteMenuSeparator = 34;
constexpr int kTextInset = 8;
constexpr int kIconInset = 4;
constexpr const char* kItemValueProperty = "vtMenuItemValue";

QColor paletteQColor(int index) {
    return toQColor(paletteColour(index));
}

QString menuText(const char* german) {
    return QString::fromStdString(translate(german, currentLanguage()));
}

void addItem(QMenu* menu, const MenuItemResource& item, const MenuCommandSink& sink) {
    if (item.isSeparator()) {
        QAction* separator = menu->addSeparator();
        separator->setProperty(kItemValueProperty,
                               packMenuItemValue(-1, MenuItemKind::Separator, false));
        return;
    }
    if (item.isPopup()) {
        QMenu* sub = menu->addMenu(menuText(item.text));
        sub->menuAction()->setProperty(kItemValueProperty,
                                       packMenuItemValue(-1, MenuItemKind::Submenu, false));
        fillOwnerDrawnMenu(sub, item, sink);
        return;
    }
    const int icon = commandImages().imageFor(item.command);
    QAction* action = menu->addAction(menuText(item.text));
    action->setObjectName(QStringLiteral("cmd%1").arg(item.command));
    action->setProperty(kItemValueProperty, packMenuItemValue(icon, MenuItemKind::Command, false));
    if (icon >= 0)
        action->setIcon(resourceIcon(pictures::kSmallImages, icon, pictures::kSmallImageSize));
    if (const std::optional<std::string> text = commandString(item.command))
        action->setStatusTip(QString::fromStdString(statusPromptOf(*text)));
    const int commandId = item.command;
    QObject::connect(action, &QAction::triggered, menu, [sink, commandId] {
        if (sink)
            sink(commandId);
    });
}

} // namespace

int menuItemWidth(int textWidth, int spaceWidth, bool topLevel) {
    return textWidth - spaceWidth + (topLevel ? 0 : 40);
}

int menuItemHeight(bool separator, int systemHeight) {
    return separator ? 10 : std::max(systemHeight, 20);
}

void fillOwnerDrawnMenu(QMenu* menu, const MenuItemResource& popup, const MenuCommandSink& sink) {
    for (const MenuItemResource& item : popup.submenu)
        addItem(menu, item, sink);
}

void fillOwnerDrawnMenuBar(QMenuBar* bar, const MenuResource& resource,
                           const MenuCommandSink& sink) {
    for (const MenuItemResource& popup : resource.items) {
        QMenu* menu = bar->addMenu(menuText(popup.text));
        menu->menuAction()->setProperty(kItemValueProperty,
                                        packMenuItemValue(-1, MenuItemKind::Submenu, true));
        fillOwnerDrawnMenu(menu, popup, sink);
    }
}

std::uint32_t menuItemValue(const QAction* action) {
    const QVariant value = action ? action->property(kItemValueProperty) : QVariant();
    return value.isValid() ? value.toUInt() : 0;
}

OwnerDrawnMenuStyle::OwnerDrawnMenuStyle() : QProxyStyle(QStyleFactory::create("Fusion")) {}

int OwnerDrawnMenuStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                     const QWidget* widget) const {
    if (metric == PM_MenuPanelWidth || metric == PM_MenuHMargin || metric == PM_MenuVMargin)
        return 1;
    return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize OwnerDrawnMenuStyle::sizeFromContents(ContentsType type, const QStyleOption* option,
                                            const QSize& size, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (type != CT_MenuItem || item == nullptr)
        return QProxyStyle::sizeFromContents(type, option, size, widget);
    const bool separator = item->menuItemType == QStyleOptionMenuItem::Separator;
    const QSize system = QProxyStyle::sizeFromContents(type, option, size, widget);
    QString text = item->text;
    text.remove(QLatin1Char('&')).replace(QLatin1Char('\t'), QStringLiteral("      "));
    const QFontMetrics metrics(item->font);
    // The icon column comes on top of the measured text, as the check-mark
    // space does for system menus.
    const int width = kMenuIconColumn + menuItemWidth(metrics.horizontalAdvance(text),
                                                      metrics.horizontalAdvance(' '), false);
    return {width, menuItemHeight(separator, separator ? 0 : system.height())};
}

namespace {

void drawMenuItem(const QStyleOptionMenuItem& item, QPainter& painter, bool menuBarItem) {
    const QRect r = item.rect;
    const bool disabled = !(item.state & QStyle::State_Enabled);
    const bool selected = (item.state & (QStyle::State_Selected | QStyle::State_Sunken)) != 0;
    const QColor systemMenu = item.palette.color(QPalette::Window);
    QRect textArea = r.adjusted(kMenuIconColumn, 0, 0, 0);
    if (selected && item.menuItemType != QStyleOptionMenuItem::Separator && !disabled) {
        // Through the drawing surface, which keeps the outline whole device
        // pixels thick on every side at any scale factor.
        QPainterSurface surface(painter);
        surface.setPen(Pen::solid(paletteColour(kPaletteMenuHighlightOutline)));
        surface.setBrush(Brush::solid(paletteColour(kPaletteMenuHighlightFill)));
        surface.drawRect(Rect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
    } else if (menuBarItem) {
        painter.fillRect(r, systemMenu);
    } else {
        painter.fillRect(QRect(r.left(), r.top(), kMenuIconColumn, r.height()), systemMenu);
        painter.fillRect(textArea, paletteQColor(kPaletteMenuTextArea));
    }
    textArea.adjust(kTextInset, 0, -kTextInset, 0);
    if (item.menuItemType == QStyleOptionMenuItem::Separator) {
        const int y = textArea.center().y() - 1;
        QPainterSurface surface(painter);
        surface.setPen(Pen::solid(paletteColour(kPaletteMenuSeparator)));
        surface.drawLine(Point{textArea.left(), y}, Point{textArea.right() + 1, y});
        return;
    }
    painter.setPen(paletteQColor(disabled ? kPaletteMenuTextDisabled : kPaletteMenuText));
    QString label = item.text;
    const int tab = label.indexOf(QLatin1Char('\t'));
    if (tab >= 0) {
        painter.drawText(textArea, Qt::AlignRight | Qt::AlignVCenter, label.mid(tab + 1));
        label.truncate(tab);
    }
    const int flags = Qt::TextShowMnemonic | Qt::TextSingleLine | Qt::AlignVCenter;
    if (menuBarItem) {
        painter.drawText(r, flags | Qt::AlignHCenter, label);
        return;
    }
    painter.drawText(textArea, flags | Qt::AlignLeft, label);
    // Icons at the screen's own resolution, so that they stay sharp at any scale.
    const qreal ratio = painter.device() ? painter.device()->devicePixelRatioF() : 1.0;
    const QSize iconSize(pictures::kSmallImageSize, pictures::kSmallImageSize);
    const QPixmap icon = item.checked
                             ? resourcePixmap(pictures::kSmallImages, pictures::kIconCheckMark,
                                              pictures::kSmallImageSize, ratio)
                             : item.icon.pixmap(iconSize, ratio);
    if (!icon.isNull()) {
        const int y = r.top() + (r.height() - pictures::kSmallImageSize) / 2;
        painter.drawPixmap(r.left() + kIconInset, y, icon);
    }
}

} // namespace

void OwnerDrawnMenuStyle::drawControl(ControlElement element, const QStyleOption* option,
                                      QPainter* painter, const QWidget* widget) const {
    const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
    if (item != nullptr && (element == CE_MenuItem || element == CE_MenuBarItem)) {
        painter->save();
        drawMenuItem(*item, *painter, element == CE_MenuBarItem);
        painter->restore();
        return;
    }
    if (element == CE_MenuBarEmptyArea) {
        painter->fillRect(option->rect, option->palette.color(QPalette::Window));
        return;
    }
    QProxyStyle::drawControl(element, option, painter, widget);
}

} // namespace veltrano
