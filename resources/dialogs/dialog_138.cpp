// A month page of the edit sheet: the day list on the left; the photo caption,
// the photo preview and its buttons, the hint and the selected day's fields on
// the right. The day fields start hidden: they show only while a day is
// selected. 1004 is the photo preview the page puts in place of the
// owner-drawn button; it is tall enough for the crop editor's frame and its
// row of controls, and the page grew with it.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 11> kControls = {{
    {1002, "BUTTON", "<head><b> ", Visible, {7, 7, 306, 12}},
    {1019,
     "SYSLISTVIEW32",
     "",
     Visible | TabStop | Border | ListViewReport | ListViewSingleSelection |
         ListViewShowSelectionAlways,
     {7, 24, 150, 279}},
    {1023,
     "BUTTON",
     "<html><strong>Bildtitel</strong> (Freier Text, wird unterhalb des Bildes gedruckt.)",
     Visible,
     {165, 24, 148, 24}},
    {1043, "EDIT", "", Visible | TabStop | Border | EditAutoHScroll, {165, 50, 148, 12}},
    {1004, "BUTTON", "", Visible | OwnerDrawButton, {165, 66, 148, 106}},
    {1005, "BUTTON", "Bild auswählen...", Visible | TabStop | PushButton, {165, 176, 72, 14}},
    {1009, "BUTTON", "Bild entfernen", Visible | TabStop | PushButton, {241, 176, 72, 14}},
    {1022,
     "BUTTON",
     "<html><strong>Hinweis</strong><br>Um einen Text zu einem Datum hinzuzufügen, wählen Sie "
     "den Tag in der Liste und geben Sie den Text im Eingabefeld ein.",
     Visible,
     {165, 196, 148, 44}},
    {1021, "BUTTON", "<text><b>", 0, {165, 243, 148, 10}},
    {1020, "EDIT", "", TabStop | Border | EditMultiLine | VScroll, {165, 254, 148, 32}},
    {1034, "COMBOBOX", "", TabStop | VScroll | ComboDropDownList, {165, 289, 148, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate138;
const DialogTemplate kDialogTemplate138 = {138, "Monat", 320, 308, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
