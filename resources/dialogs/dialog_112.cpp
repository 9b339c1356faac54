// The message box: a markup text with its symbol on a content panel, and up to
// three buttons below it. Buttons 2011 and 2009 start hidden; the box shows and
// places them according to the style it is given.
#include "resources/dialogs/dialog_template.h"

#include <array>

namespace veltrano {

namespace {

using namespace TemplateStyle;

constexpr std::array<DialogControl, 5> kControls = {{
    {2000, "BUTTON", "<html>", Visible | PushButton, {9, 5, 256, 37}},
    {1000, "STATIC", "", Visible | StaticBlackFrame, {5, 3, 264, 41}},
    {2010, "BUTTON", "OK", Visible | TabStop | DefPushButton, {112, 46, 50, 14}},
    {2011, "BUTTON", "&Abbrechen", TabStop | PushButton, {168, 46, 50, 14}},
    {2009, "BUTTON", "Abbrechen", TabStop | PushButton, {224, 46, 50, 14}},
}};

} // namespace

extern const DialogTemplate kDialogTemplate112;
const DialogTemplate kDialogTemplate112 = {112, "Hinweis", 274, 63, "MS Shell Dlg", 8, kControls};

} // namespace veltrano
