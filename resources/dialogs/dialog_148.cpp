// The birthday import: the introduction with the two products as clickable
// entries on the content panel, and the button that closes without importing.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 4> kControls = {{
    {1002, "BUTTON", "<head><b> Geburtstage importieren", Visible | PushButton, {0, 0, 281, 15}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 19, 271, 249}},
    {2000, "BUTTON", "<html>", Visible | PushButton, {9, 22, 263, 243}},
    {2, "BUTTON", "&Schliessen", Visible | TabStop | DefPushButton, {226, 273, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate148;
const DialogTemplate kDialogTemplate148 = {
    148, "Geburtstage importieren", 281, 292, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
