#include "resources/menus/menu_resource.h"

namespace veltrano {
namespace {

// Menu 144: the drop-down of the print button; its first pop-up is what opens.
// The "Kalender" menu offers the same two items.
constexpr MenuItemResource kPrintItems[] = {
    {32776, "Kalender (12 Blätter) &drucken", {}},
    {32810, "Jahreskalender auf einem &Blatt drucken", {}},
};
constexpr MenuItemResource kPrintMenuBar[] = {{0, "Drucken", kPrintItems}};

// Menu 128: the main menu view's menu bar. The window puts the recently used
// calendars before the last separator of "Kalender".
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
    kPrintItems[0],
    kPrintItems[1],
    {0, "", {}},
    {32813, "Sprache &wählen", {}},
    {0, "", {}},
    {32814, "&Beenden", {}},
};
constexpr MenuItemResource kEditItems[] = {
    {29800, "&Rückgängig", {}},
    {29801, "&Wiederholen", {}},
};
constexpr MenuItemResource kHelpItems[] = {
    {40004, "&Handbuch", {}},
    {0, "", {}},
    {57664, "&Info über Veltrano...", {}},
};
constexpr MenuItemResource kMainMenuBar[] = {
    {0, "&Kalender", kCalendarItems},
    {0, "&Bearbeiten", kEditItems},
    {0, "&Hilfe", kHelpItems},
};

constexpr MenuResource kMenus[] = {
    {128, kMainMenuBar},
    {144, kPrintMenuBar},
};

// Toolbar 128: the main menu view's button bar.
constexpr int kMainToolbarCommands[] = {32784, 0,     32782, 32774, 32781, 0,     29800, 29801,
                                        0,     32788, 0,     32789, 0,     40004, 0,     57664};
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
