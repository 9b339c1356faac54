#pragma once
// The desktop's standard keys for the main window's commands (new, open,
// save, save as, print, quit, undo, redo, manual), put on the menu bar's
// items so that the menus show them beside the item text.
class QMenuBar;

namespace veltrano {

void assignStandardShortcuts(QMenuBar* bar);

} // namespace veltrano
