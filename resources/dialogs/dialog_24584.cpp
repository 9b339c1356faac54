// The language dialog: the interface language with its flag and, under a
// heading of its own, the date format.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 9> kControls = {{
    {49154, "BUTTON", "<head><b> Sprache wählen", Visible | PushButton, {0, 0, 200, 15}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 19, 190, 74}},
    {-1, "STATIC", "Sprache:", Visible | StaticLeft, {12, 29, 50, 10}},
    {49160,
     "COMBOBOX",
     "",
     Visible | TabStop | VScroll | ComboDropDownList | ComboOwnerDrawFixed | ComboHasStrings,
     {64, 27, 124, 14}},
    {49158, "BUTTON", "<h2>Datumsformat", Visible | PushButton, {12, 50, 176, 12}},
    {-1, "STATIC", "Datum:", Visible | StaticLeft, {12, 71, 50, 10}},
    {49159, "COMBOBOX", "", Visible | TabStop | VScroll | ComboDropDownList, {64, 69, 124, 14}},
    {1, "BUTTON", "OK", Visible | TabStop | DefPushButton, {89, 99, 50, 14}},
    {2, "BUTTON", "Abbrechen", Visible | TabStop | PushButton, {145, 99, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate24584;
const DialogTemplate kDialogTemplate24584 = {24584, "Sprache wählen", 200, 118, "MS Shell Dlg",
                                             8,     kControls};

} // namespace veltrano
