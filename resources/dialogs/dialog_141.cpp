// The year dialog: a heading bar, a short request and the year field with its
// spin arrows on the content panel, OK and Cancel below.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 8> kControls = {{
    {1002, "BUTTON", "<head><b> Jahr auswählen", Visible | PushButton, {0, 0, 186, 15}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 19, 176, 50}},
    {1004, "STATIC", "Bitte wählen Sie das Jahr", Visible | StaticLeft, {12, 25, 162, 10}},
    {1003, "STATIC", "Jahr:", Visible | StaticLeft, {12, 47, 40, 10}},
    {1031, "EDIT", "", Visible | TabStop | Border | EditAutoHScroll, {56, 45, 44, 13}},
    {1032, "MSCTLS_UPDOWN32", "", Visible, {100, 45, 10, 13}},
    {1, "BUTTON", "OK", Visible | TabStop | DefPushButton, {75, 75, 50, 14}},
    {2, "BUTTON", "Abbrechen", Visible | TabStop | PushButton, {131, 75, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate141;
const DialogTemplate kDialogTemplate141 = {141, "Jahr wählen", 186, 94, "MS Shell Dlg",
                                           8,   kControls};

} // namespace veltrano
