#include "resources/menus/menu_resource.h"

namespace veltrano {
namespace {

// Menu 128: the main menu view's menu bar with its one pop-up.
constexpr MenuItemResource kCalendarItems[] = {
    {32784, "&Neuer Kalender", {}},
    {32782, "Ö&ffnen...", {}},
    {32781, "&Speichern", {}},
    {32780, "Speichern &unter...", {}},
    {0, "", {}},
    {32774, "&Bearbeiten", {}},
    {32786, "&Jahr wählen", {}},
    {32788, "&Mehrtags-Termin", {}},
    {0, "", {}},
    {32806, "&Geburtstage importieren", {}},
    {32808, "Alle Termine &löschen", {}},
    {0, "", {}},
    {32813, "Sprache &wählen", {}},
    {0, "", {}},
    {32814, "&Beenden", {}},
};
constexpr MenuItemResource kMainMenuBar[] = {{0, "&Kalender", kCalendarItems}};

// Menu 144: the drop-down of the print button; its first pop-up is what opens.
constexpr MenuItemResource kPrintItems[] = {
    {32776, "Kalender (12 Blätter) &drucken", {}},
    {32810, "Jahreskalender auf einem &Blatt drucken", {}},
};
constexpr MenuItemResource kPrintMenuBar[] = {{0, "Drucken", kPrintItems}};

constexpr MenuResource kMenus[] = {
    {128, kMainMenuBar},
    {144, kPrintMenuBar},
};

// Toolbar 128: the main menu view's button bar.
constexpr int kMainToolbarCommands[] = {32784, 0,     32782, 32774, 32781, 0,    32788,
                                        0,     32789, 0,     40004, 0,     57664};
constexpr ToolbarResource kToolbars[] = {{128, 22, 20, kMainToolbarCommands}};

} // namespace

const MenuResource* findMenuResource(int number) {
    for (const MenuResource& menu : kMenus) {
        if (menu.number == number)
            return &menu;
    }
    return nullptr;
}

const ToolbarResource* findToolbarResource(int number) {
    for (const ToolbarResource& bar : kToolbars) {
        if (bar.number == number)
            return &bar;
    }
    return nullptr;
}

} // namespace veltrano
