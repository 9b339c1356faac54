#pragma once
// Dialog templates: the layout of every dialog of the program as a plain table, so
// that the dialog base can create the child controls, translate and widen them, and
// the builder can replace them, all from what the template holds.
//
// Units: rectangles and the dialog size are in dialog units. One horizontal unit is a
// quarter of the dialog font's average character width, one vertical unit an eighth of
// its character height; the dialog base converts them to pixels.
//
// Texts are UTF-8 German, as the string table holds them; the dialog translates them
// when it opens.
//
// Each dialog's table lives in its own file, dialog_<number>.cpp, which defines
//     extern const DialogTemplate kDialogTemplate<number>;
// and is listed once in dialog_template.cpp so that findDialogTemplate knows it (a
// test checks that every dialog file is listed). Code may also name the table
// directly and hand it to the dialog.

#include <cstdint>
#include <span>

namespace veltrano {

// Style bits of template controls, with the values of the usual window styles.
namespace TemplateStyle {
// Any window class.
constexpr std::uint32_t Visible = 0x10000000;
constexpr std::uint32_t Disabled = 0x08000000;
constexpr std::uint32_t Group = 0x00020000;
constexpr std::uint32_t TabStop = 0x00010000;
constexpr std::uint32_t Border = 0x00800000;
constexpr std::uint32_t VScroll = 0x00200000;
// "BUTTON": the low four bits are the button type.
constexpr std::uint32_t ButtonTypeMask = 0xF;
constexpr std::uint32_t PushButton = 0x0;
constexpr std::uint32_t DefPushButton = 0x1;
constexpr std::uint32_t CheckBox = 0x2;
constexpr std::uint32_t AutoCheckBox = 0x3;
constexpr std::uint32_t RadioButton = 0x4;
constexpr std::uint32_t ThreeState = 0x5;
constexpr std::uint32_t AutoThreeState = 0x6;
constexpr std::uint32_t GroupBox = 0x7;
constexpr std::uint32_t AutoRadioButton = 0x9;
constexpr std::uint32_t OwnerDrawButton = 0xB;
// "STATIC": the low five bits are the static type.
constexpr std::uint32_t StaticTypeMask = 0x1F;
constexpr std::uint32_t StaticLeft = 0x0;
constexpr std::uint32_t StaticCenter = 0x1;
constexpr std::uint32_t StaticRight = 0x2;
constexpr std::uint32_t StaticIcon = 0x3;
constexpr std::uint32_t StaticBlackFrame = 0x7;
constexpr std::uint32_t StaticSimple = 0xB;
constexpr std::uint32_t StaticLeftNoWordWrap = 0xC;
constexpr std::uint32_t StaticOwnerDraw = 0xD;
constexpr std::uint32_t StaticBitmap = 0xE;
constexpr std::uint32_t StaticEtchedFrame = 0x12;
// "EDIT".
constexpr std::uint32_t EditMultiLine = 0x4;
constexpr std::uint32_t EditAutoHScroll = 0x80;
constexpr std::uint32_t EditReadOnly = 0x800;
constexpr std::uint32_t EditNumber = 0x2000;
// "COMBOBOX": the low two bits are the kind.
constexpr std::uint32_t ComboDropDown = 0x2;
constexpr std::uint32_t ComboDropDownList = 0x3;
constexpr std::uint32_t ComboOwnerDrawFixed = 0x10;
constexpr std::uint32_t ComboHasStrings = 0x200;
// "LISTBOX".
constexpr std::uint32_t ListOwnerDrawFixed = 0x10;
constexpr std::uint32_t ListHasStrings = 0x40;
// "SYSLISTVIEW32": the low two bits are the view.
constexpr std::uint32_t ListViewReport = 0x1;
constexpr std::uint32_t ListViewSingleSelection = 0x4;
constexpr std::uint32_t ListViewShowSelectionAlways = 0x8;
} // namespace TemplateStyle

// A rectangle in dialog units: left, top, width, height.
struct DialogRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
    friend bool operator==(const DialogRect&, const DialogRect&) = default;
};

// One child control, in creation (and tab) order.
struct DialogControl {
    int id = 0;                   // control number; -1 for texts nobody addresses
    const char* windowClass = ""; // upper case: "BUTTON", "STATIC", "EDIT", "COMBOBOX",
                                  // "LISTBOX", "SYSLISTVIEW32", "SYSTABCONTROL32",
                                  // "MSCTLS_UPDOWN32"
    const char* caption = "";     // template text, may begin with a builder tag
    std::uint32_t style = 0;      // TemplateStyle bits
    DialogRect rect;              // dialog units
};

struct DialogTemplate {
    int number = 0;         // resource number
    const char* title = ""; // window title
    int width = 0;          // client size in dialog units
    int height = 0;
    const char* fontName = "MS Shell Dlg";
    int fontPoints = 8;
    std::span<const DialogControl> controls;

    // The row with that control number, or nullptr.
    const DialogControl* findControl(int id) const;
};

// The template of that number, or nullptr when the program has none.
const DialogTemplate* findDialogTemplate(int number);

// Every template known, in ascending order of number.
std::span<const DialogTemplate* const> dialogTemplates();

} // namespace veltrano
