#pragma once
// Menus of the program's widget set: each command with its icon in a
// 24-pixel column on the left, drawn in the palette's menu colours.
//
// Every item carries one 32-bit value (in its action's data): bits 16..31
// the icon number (signed, -1 = none), bits 8..15 the kind, bits 0..7 the
// top-level flag (1 for the menu bar's own items).
#include "resources/menus/menu_resource.h"

#include <QProxyStyle>
#include <cstdint>
#include <functional>

class QMenu;
class QMenuBar;
class QWidget;

namespace veltrano {

enum class MenuItemKind : int { Command = 0, Separator = 1, Submenu = 2 };

constexpr std::uint32_t packMenuItemValue(int icon, MenuItemKind kind, bool topLevel) {
    return (static_cast<std::uint32_t>(static_cast<std::uint16_t>(icon)) << 16) |
           (static_cast<std::uint32_t>(kind) << 8) | (topLevel ? 1u : 0u);
}
constexpr int menuItemIcon(std::uint32_t value) {
    return static_cast<std::int16_t>(static_cast<std::uint16_t>(value >> 16));
}
constexpr MenuItemKind menuItemKind(std::uint32_t value) {
    return static_cast<MenuItemKind>((value >> 8) & 0xFF);
}
constexpr bool menuItemTopLevel(std::uint32_t value) {
    return (value & 0xFF) != 0;
}

inline constexpr int kMenuIconColumn = 24;

// Width and height of an item: the text without ampersands is measured by
// the caller; a space's width comes off, 40 is added inside pop-ups.
int menuItemWidth(int textWidth, int spaceWidth, bool topLevel);
// 10 for a separator, else the system's menu height but at least 20.
int menuItemHeight(bool separator, int systemHeight);

// Sends the command number of a chosen item.
using MenuCommandSink = std::function<void(int command)>;

// Fills menu with the items of a pop-up resource, texts translated into the
// current language, each action carrying its command number as
// objectName "cmd<number>" and its item value, icons from the command image
// table. Submenus recurse with the top-level flag off.
void fillOwnerDrawnMenu(QMenu* menu, const MenuItemResource& popup, const MenuCommandSink& sink);
// Fills a menu bar with the top-level pop-ups of a menu resource.
void fillOwnerDrawnMenuBar(QMenuBar* bar, const MenuResource& resource,
                           const MenuCommandSink& sink);

// The item value stored on an action by the fill functions (0 when none).
std::uint32_t menuItemValue(const class QAction* action);

// Draws menu and menu-bar items as described above; install it on the menus
// (or the application) it should dress.
class OwnerDrawnMenuStyle : public QProxyStyle {
  public:
    OwnerDrawnMenuStyle();
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget = nullptr) const override;
    QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                           const QWidget* widget) const override;
    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace veltrano
