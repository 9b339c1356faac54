#pragma once
// Menus and button layouts by resource number, as plain tables. Texts are the
// German originals; the window program translates them as it installs them.
#include <span>

namespace veltrano {

// One item of a menu. command 0 with no submenu is a separator; an item with
// a submenu is a pop-up whose own command is 0.
struct MenuItemResource {
    int command = 0;
    const char* text = "";
    std::span<const MenuItemResource> submenu;

    bool isSeparator() const { return command == 0 && submenu.empty(); }
    bool isPopup() const { return !submenu.empty(); }
};

struct MenuResource {
    int number = 0;
    std::span<const MenuItemResource> items; // the top level (a menu bar's items)
};

// A button bar's layout: command buttons in order, 0 for a separator.
struct ToolbarResource {
    int number = 0;
    int buttonWidth = 0; // pixels of one button image
    int buttonHeight = 0;
    std::span<const int> commands;
};

// nullptr when there is no such resource.
const MenuResource* findMenuResource(int number);
const ToolbarResource* findToolbarResource(int number);

} // namespace veltrano
