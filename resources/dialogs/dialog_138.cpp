// A month page of the edit sheet: the day list on the left; the photo caption,
// the photo preview and its buttons, the hint and the selected day's fields on
// the right. The day fields start hidden: they show only while a day is
// selected. 1004 is the photo preview the page puts in place of the
// owner-drawn button.
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
     {7, 24, 150, 243}},
    {1023,
     "BUTTON",
     "<html><strong>Bildtitel</strong> (Freier Text, wird unterhalb des Bildes gedruckt.)",
     Visible,
     {165, 24, 148, 24}},
    {1043, "EDIT", "", Visible | TabStop | Border | EditAutoHScroll, {165, 50, 148, 12}},
    {1004, "BUTTON", "", Visible | OwnerDrawButton, {165, 66, 148, 70}},
    {1005, "BUTTON", "Bild auswählen...", Visible | TabStop | PushButton, {165, 140, 72, 14}},
    {1009, "BUTTON", "Bild entfernen", Visible | TabStop | PushButton, {241, 140, 72, 14}},
    {1022,
     "BUTTON",
     "<html><strong>Hinweis</strong><br>Um einen Text zu einem Datum hinzuzufügen, wählen Sie "
     "den Tag in der Liste und geben Sie den Text im Eingabefeld ein.",
     Visible,
     {165, 160, 148, 44}},
    {1021, "BUTTON", "<text><b>", 0, {165, 207, 148, 10}},
    {1020, "EDIT", "", TabStop | Border | EditMultiLine | VScroll, {165, 218, 148, 32}},
    {1034, "COMBOBOX", "", TabStop | VScroll | ComboDropDownList, {165, 253, 148, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate138;
const DialogTemplate kDialogTemplate138 = {138, "Monat", 320, 272, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
