// The print selection: the year's heading with the printer picture, the title
// page switch and the list of months with buttons that tick or clear them.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 9> kControls = {{
    {1002, "BUTTON", "<head><b> Kalender drucken", Visible | PushButton, {0, 0, 250, 15}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 19, 240, 172}},
    {1003, "BUTTON", "<html>", Visible | PushButton, {9, 22, 232, 32}},
    {1004,
     "BUTTON",
     "<check>Titelblatt drucken",
     Visible | TabStop | AutoCheckBox,
     {12, 58, 150, 10}},
    {1005, "LISTBOX", "", Visible | TabStop | Border | VScroll, {12, 72, 150, 114}},
    {1006, "BUTTON", "&Alle wählen", Visible | TabStop | PushButton, {168, 72, 70, 14}},
    {1007, "BUTTON", "Alle &nicht wählen", Visible | TabStop | PushButton, {168, 90, 70, 14}},
    {1, "BUTTON", "Kalender &drucken", Visible | TabStop | DefPushButton, {125, 197, 64, 14}},
    {2, "BUTTON", "Abbrechen", Visible | TabStop | PushButton, {195, 197, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate139;
const DialogTemplate kDialogTemplate139 = {139, "Kalender drucken", 250, 216, "MS Shell Dlg",
                                           8,   kControls};

} // namespace veltrano
