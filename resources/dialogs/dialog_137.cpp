// The general page of the edit sheet: the title page (photo and text) on the
// left, the holidays and the print options on the right. Controls numbered -1
// are captions nobody addresses; 1007 is the photo preview the page puts in
// place of the owner-drawn button, tall enough for the crop editor's frame
// and its row of controls. The page is as tall as the month pages.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::uint32_t kEdit = Visible | TabStop | Border | EditAutoHScroll;
constexpr std::uint32_t kLabel = Visible | StaticLeft;

constexpr std::array<DialogControl, 26> kControls = {{
    {1006, "BUTTON", "<head><b> Titelblatt", Visible, {7, 7, 150, 12}},
    {-1, "STATIC", "Foto für Titelblatt:", kLabel, {7, 24, 150, 9}},
    {1007, "BUTTON", "", Visible | OwnerDrawButton, {7, 34, 150, 110}},
    {1008, "BUTTON", "Bild auswählen...", Visible | TabStop | PushButton, {7, 148, 73, 14}},
    {1009, "BUTTON", "Bild entfernen", Visible | TabStop | PushButton, {84, 148, 73, 14}},
    {-1, "STATIC", "Text für Titelblatt:", kLabel, {7, 170, 150, 9}},
    {1020, "EDIT", "", Visible | TabStop | Border | EditMultiLine | VScroll, {7, 180, 150, 123}},
    {1002, "BUTTON", "<head><b> Feiertage", Visible, {165, 7, 148, 12}},
    {1003,
     "BUTTON",
     "Feiertage im Kalender anzeigen",
     Visible | TabStop | AutoCheckBox,
     {165, 24, 148, 10}},
    {-1, "STATIC", "Land:", kLabel, {165, 39, 148, 9}},
    {1029, "COMBOBOX", "", Visible | TabStop | VScroll | ComboDropDownList, {165, 49, 148, 14}},
    {1032, "STATIC", "(alle Feiertage ohne Gewähr)", kLabel, {165, 66, 148, 9}},
    {1004, "BUTTON", "<head><b> Druckoptionen", Visible, {165, 84, 148, 12}},
    {-1, "STATIC", "Rahmen:", kLabel, {165, 102, 55, 9}},
    {1005, "BUTTON", "Rahmen um Tage", Visible | TabStop | AutoCheckBox, {222, 101, 91, 10}},
    {-1, "STATIC", "Schriftgrösse:", kLabel, {165, 119, 55, 9}},
    {1042, "COMBOBOX", "", Visible | TabStop | VScroll | ComboDropDown, {222, 116, 50, 14}},
    {-1, "STATIC", "Rand links:", kLabel, {165, 137, 55, 9}},
    {1033, "EDIT", "", kEdit, {222, 135, 50, 12}},
    {-1, "STATIC", "Rand oben:", kLabel, {165, 153, 55, 9}},
    {1035, "EDIT", "", kEdit, {222, 151, 50, 12}},
    {-1, "STATIC", "Rand rechts:", kLabel, {165, 169, 55, 9}},
    {1034, "EDIT", "", kEdit, {222, 167, 50, 12}},
    {-1, "STATIC", "Rand unten:", kLabel, {165, 185, 55, 9}},
    {1036, "EDIT", "", kEdit, {222, 183, 50, 12}},
    {1044,
     "BUTTON",
     "Kalenderwochen anzeigen",
     Visible | TabStop | AutoCheckBox,
     {165, 201, 148, 10}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate137;
const DialogTemplate kDialogTemplate137 = {137, "Kalender", 320, 308, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
