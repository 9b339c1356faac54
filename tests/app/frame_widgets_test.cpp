#include "core/message_presenter.h"
#include "resources/menus/menu_resource.h"
#include "tests/app/app_fixture.h"
#include "widgets/engine/palette.h"
#include "widgets/qt/control_id.h"
#include "widgets/qt/ie4bar.h"
#include "widgets/qt/owner_drawn_menu.h"
#include "widgets/qt/status_bar.h"

#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <QToolButton>
#include <cstdlib>
#include <gtest/gtest.h>

namespace veltrano {
namespace {

TEST(IE4Bar, ButtonWidthFromScreenAndCounts) {
    struct Case {
        std::optional<int> screen;
        int buttons, separators, expected;
    };
    const Case cases[] = {
        {1024, 10, 5, 97}, {std::nullopt, 10, 5, 50}, {320, 10, 5, 30},
        {3840, 8, 5, 100}, {1600, 0, 0, 100},         {200, 8, 40, 100}, // unsigned wrap
        {1280, 8, 5, 100}, {800, 8, 5, 94},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ie4ButtonWidth(c.screen, c.buttons, c.separators), c.expected)
            << c.screen.value_or(-1) << " " << c.buttons << " " << c.separators;
}

TEST(IE4Bar, TextsFromCommandStrings) {
    struct Case {
        const char* text;
        const char* label;
        const char* prompt;
        const char* tip;
    };
    const Case cases[] = {
        {"Neuer Kalender\nNeu", "Neu", "Neuer Kalender", "Neu"},
        {"Handbuch", "Handbuch", "Handbuch", "Handbuch"},
        {"\nNur Tipp", "\nNur Tipp", "", "Nur Tipp"},
        {"A\nB\nC", "B\nC", "A", "B\nC"},
    };
    for (const Case& c : cases) {
        const std::string text = c.text;
        EXPECT_EQ(buttonLabelOf(&text), c.label);
        EXPECT_EQ(statusPromptOf(text), c.prompt);
        EXPECT_EQ(toolTipOf(text), c.tip);
    }
    EXPECT_EQ(buttonLabelOf(nullptr), "NO TEXT");
    EXPECT_FALSE(commandString(4711).has_value());
}

TEST(IE4Bar, BuildsTheMainButtonBar) {
    CIE4Bar bar;
    EXPECT_FALSE(bar.build(999, 0));
    ASSERT_TRUE(bar.build(128, 154));
    const std::pair<int, const char*> buttons[] = {
        {32784, "Neu"},
        {32782, "Öffnen"},
        {32774, "Bearbeiten"},
        {32781, "Speichern"},
        {29800, "Rückgängig"},
        {29801, "Wiederholen"},
        {32788, "Termin von/bis"},
        {32789, "Drucken"},
        {40004, "Handbuch"},
        {57664, "Info"},
    };
    for (const auto& [command, label] : buttons) {
        QToolButton* button = bar.buttonFor(command);
        ASSERT_NE(button, nullptr) << command;
        EXPECT_EQ(button->text().toStdString(), label);
        EXPECT_LE(button->maximumWidth(), 100);
    }
    EXPECT_EQ(bar.buttonFor(32781)->toolTip().toStdString(), "Speichern");
    EXPECT_EQ(bar.buttonFor(32781)->defaultAction()->statusTip().toStdString(),
              "Kalender speichern");
}

TEST(IE4Bar, DropDownTable) {
    testing::AnsweringPresenter presenter;
    CIE4Bar bar;
    ASSERT_TRUE(bar.build(128, 0));
    EXPECT_FALSE(bar.dropDownRequest(32789)); // no entry yet
    EXPECT_TRUE(bar.addDropDownButton(32789, 0));
    EXPECT_EQ(bar.buttonFor(32789)->popupMode(), QToolButton::MenuButtonPopup);
    EXPECT_TRUE(bar.dropDownRequest(32789));
    ASSERT_EQ(presenter.shown.size(), 1u);
    EXPECT_EQ(presenter.shown[0].text, "no menu id (ie4bar.cpp)");
    for (int i = 1; i < CIE4Bar::kDropDownCapacity; ++i)
        EXPECT_TRUE(bar.addDropDownButton(1000 + i, 144));
    EXPECT_FALSE(bar.addDropDownButton(2000, 144));
}

TEST(IE4Bar, ArrowOpensThePrintMenu) {
    CIE4Bar bar;
    ASSERT_TRUE(bar.build(128, 0));
    ASSERT_TRUE(bar.addDropDownButton(32789, 144));
    QMenu* arrow = bar.buttonFor(32789)->menu();
    ASSERT_NE(arrow, nullptr);
    std::vector<int> chosen;
    QObject::connect(&bar, &CIE4Bar::commandTriggered, [&chosen](int c) { chosen.push_back(c); });
    for (int opened = 0; opened < 2; ++opened) // loaded afresh each time
        emit arrow->aboutToShow();
    const QList<QAction*> items = arrow->actions();
    ASSERT_EQ(items.size(), 2);
    EXPECT_EQ(items[0]->text().toStdString(), "Kalender (12 Blätter) &drucken");
    items[1]->trigger();
    EXPECT_EQ(chosen, (std::vector<int>{32810}));
}

TEST(OwnerDrawnMenu, ItemValuePacking) {
    struct Case {
        int icon;
        MenuItemKind kind;
        bool topLevel;
        std::uint32_t value;
    };
    const Case cases[] = {
        {-1, MenuItemKind::Separator, false, 0xFFFF0100u},
        {5, MenuItemKind::Command, false, 0x00050000u},
        {-1, MenuItemKind::Submenu, true, 0xFFFF0201u},
        {41, MenuItemKind::Command, true, 0x00290001u},
    };
    for (const Case& c : cases) {
        const std::uint32_t value = packMenuItemValue(c.icon, c.kind, c.topLevel);
        EXPECT_EQ(value, c.value);
        EXPECT_EQ(menuItemIcon(value), c.icon);
        EXPECT_EQ(menuItemKind(value), c.kind);
        EXPECT_EQ(menuItemTopLevel(value), c.topLevel);
    }
    EXPECT_EQ(menuItemWidth(100, 4, false), 136);
    EXPECT_EQ(menuItemWidth(100, 4, true), 96);
    EXPECT_EQ(menuItemHeight(true, 30), 10);
    EXPECT_EQ(menuItemHeight(false, 17), 20);
    EXPECT_EQ(menuItemHeight(false, 26), 26);
}

TEST(OwnerDrawnMenu, MenuResourcesInOrder) {
    const MenuResource* menu = findMenuResource(128);
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->items.size(), 3u);
    std::vector<int> commands;
    for (const MenuItemResource& popup : menu->items)
        for (const MenuItemResource& item : popup.submenu)
            commands.push_back(item.command);
    EXPECT_EQ(commands, (std::vector<int>{32784, 32782, 32781, 32780, 0,     32774, 32786, 32788,
                                          0,     32806, 32808, 0,     32776, 32810, 0,     32813,
                                          0,     32814, 29800, 29801, 40004, 0,     57664}));
    const MenuResource* print = findMenuResource(144);
    ASSERT_NE(print, nullptr);
    EXPECT_EQ(print->items[0].submenu[1].command, 32810);
    EXPECT_EQ(findMenuResource(1), nullptr);
}

// Draws one item with the menu style into a white image.
QImage drawnItem(QStyle::State state, bool checked, const QString& text, bool menuBar = false,
                 QStyleOptionMenuItem::MenuItemType type = QStyleOptionMenuItem::Normal,
                 const QIcon& icon = {}) {
    OwnerDrawnMenuStyle style;
    QImage image(200, 24, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOptionMenuItem option;
    option.rect = QRect(0, 0, 200, 24);
    option.state = state;
    option.checked = checked;
    option.text = text;
    option.menuItemType = type;
    option.icon = icon;
    option.palette.setColor(QPalette::Window, QColor(10, 20, 30));
    QPainter painter(&image);
    style.drawControl(menuBar ? QStyle::CE_MenuBarItem : QStyle::CE_MenuItem, &option, &painter);
    return image;
}

// Whether a pixel of area is within `tolerance` of colour in every channel
// (text is anti-aliased, so its pixels only come near the pen colour).
bool hasColour(const QImage& image, QRect area, QColor colour, int tolerance = 24) {
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - colour.red()) <= tolerance &&
                std::abs(c.green() - colour.green()) <= tolerance &&
                std::abs(c.blue() - colour.blue()) <= tolerance)
                return true;
        }
    }
    return false;
}

TEST(OwnerDrawnMenu, DrawsStatesInThePaletteColours) {
    const QColor text(0, 0, 0), disabledText(200, 200, 200), outline(8, 36, 107),
        fill(181, 190, 214), textArea(240, 240, 240), separator(128, 128, 128),
        menuColour(10, 20, 30);
    const QRect textRect(24, 0, 176, 24);

    const QImage normal = drawnItem(QStyle::State_Enabled, false, "Neu");
    EXPECT_EQ(normal.pixelColor(2, 2), menuColour);
    EXPECT_EQ(normal.pixelColor(190, 2), textArea);
    EXPECT_TRUE(hasColour(normal, textRect, text));

    const QImage disabled = drawnItem(QStyle::State_None, false, "Neu");
    EXPECT_TRUE(hasColour(disabled, textRect, disabledText, 10));
    EXPECT_FALSE(hasColour(disabled, textRect, text, 120));

    const QImage selected = drawnItem(QStyle::State_Enabled | QStyle::State_Selected, false, "Neu");
    EXPECT_EQ(selected.pixelColor(0, 0), outline);
    EXPECT_EQ(selected.pixelColor(190, 12), fill);

    const QImage line =
        drawnItem(QStyle::State_Enabled, false, "", false, QStyleOptionMenuItem::Separator);
    EXPECT_EQ(line.pixelColor(100, 10), separator);

    // The shortcut after a tab sits at the right edge of the text area.
    const QImage shortcut = drawnItem(QStyle::State_Enabled, false, "Neu\tStrg+N");
    EXPECT_TRUE(hasColour(shortcut, QRect(150, 0, 42, 24), text));
    EXPECT_FALSE(hasColour(normal, QRect(150, 0, 42, 24), text));

    // The icon sits 4 units into the icon column; a checked item shows the
    // check image there instead, and a menu-bar item never shows it.
    QPixmap red(16, 16);
    red.fill(QColor(255, 0, 0));
    const QRect iconRect(4, 4, 16, 16);
    const QColor iconColour(255, 0, 0);
    EXPECT_TRUE(hasColour(drawnItem(QStyle::State_Enabled, false, "Neu", false,
                                    QStyleOptionMenuItem::Normal, QIcon(red)),
                          iconRect, iconColour, 0));
    EXPECT_FALSE(hasColour(drawnItem(QStyle::State_Enabled, true, "Neu", false,
                                     QStyleOptionMenuItem::Normal, QIcon(red)),
                           iconRect, iconColour, 0));
    EXPECT_FALSE(hasColour(drawnItem(QStyle::State_Enabled, false, "Neu", true,
                                     QStyleOptionMenuItem::Normal, QIcon(red)),
                           QRect(0, 0, 200, 24), iconColour, 0));

    // A menu-bar item is filled with the menu colour and shows no icon column.
    const QImage bar = drawnItem(QStyle::State_Enabled, false, "Kalender", true);
    EXPECT_EQ(bar.pixelColor(190, 2), menuColour);
}

TEST(NewStatusBar, PanesInOrder) {
    CNewStatusBar bar;
    QWidget* host = findControl(&bar, CNewStatusBar::kHostPane);
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->width(), 100);
    EXPECT_FALSE(bar.hostControl()->isVisible());
    const std::pair<int, const char*> indicators[] = {{CNewStatusBar::kCapsLock, "UF"},
                                                      {CNewStatusBar::kNumLock, "NUM"},
                                                      {CNewStatusBar::kScrollLock, "RF"}};
    for (const auto& [pane, text] : indicators) {
        QLabel* label = bar.indicator(pane);
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text().toStdString(), text);
        EXPECT_FALSE(label->isEnabled());
        bar.setIndicator(pane, true);
        EXPECT_TRUE(label->isEnabled());
    }
}

} // namespace
} // namespace veltrano
