// The multi-day entry dialog: an explanation, the first and last date, the
// text and the colour with a switch each that leaves them as they are.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr char kExplanation[] =
    "Mithilfe dieser Funktion können Sie für mehrere Tage gleichzeitig den Text oder die "
    "Hintergrundfarbe verändern. Achtung, wenn Sie mit dieser Funktion Text und Farbe ändern, "
    "werden bestehende Einträge an den Tagen dadurch überschrieben!";

constexpr std::array<DialogControl, 15> kControls = {{
    {1002, "BUTTON", "<head><b> Termin über mehrere Tage", Visible | PushButton, {0, 0, 260, 15}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 19, 250, 170}},
    {1003, "STATIC", kExplanation, Visible | StaticLeft, {12, 24, 236, 42}},
    {1004, "STATIC", "Termin von:", Visible | StaticLeft, {12, 74, 52, 10}},
    {1036, "EDIT", "", Visible | TabStop | Border | EditAutoHScroll, {66, 72, 70, 13}},
    {1005, "STATIC", "Termin bis:", Visible | StaticLeft, {12, 91, 52, 10}},
    {1037, "EDIT", "", Visible | TabStop | Border | EditAutoHScroll, {66, 89, 70, 13}},
    {1006, "STATIC", "Text:", Visible | StaticLeft, {12, 108, 52, 10}},
    {1020, "EDIT", "", Visible | TabStop | Border | VScroll | EditMultiLine, {66, 106, 182, 34}},
    {1008,
     "BUTTON",
     "Text unverändert lassen",
     Visible | TabStop | AutoCheckBox,
     {66, 144, 182, 10}},
    {1007, "STATIC", "Farbe:", Visible | StaticLeft, {12, 161, 52, 10}},
    {1034, "COMBOBOX", "", Visible | TabStop | ComboDropDownList, {66, 159, 100, 14}},
    {1009,
     "BUTTON",
     "Farbe unverändert lassen",
     Visible | TabStop | AutoCheckBox,
     {66, 176, 182, 10}},
    {1, "BUTTON", "OK", Visible | TabStop | DefPushButton, {149, 195, 50, 14}},
    {2, "BUTTON", "Abbrechen", Visible | TabStop | PushButton, {205, 195, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate143;
const DialogTemplate kDialogTemplate143 = {
    143, "Eintrag über mehrere Tage", 260, 214, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
