#pragma once
// What the dialog builder puts in place of one child control of a dialog
// template: a pure decision from the control's window class, its template
// style bits and its caption. The window layer carries the decision out.
//
// Button captions are matched against their tags without regard to letter
// case, in a fixed order; the first tag that matches wins and is removed
// with its own length, the rest of the caption becoming the new text.

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano {

// Template style bits the builder looks at.
inline constexpr std::uint32_t kButtonTypeMask = 0x000F;
inline constexpr std::uint32_t kButtonCheckBox = 0x0002;
inline constexpr std::uint32_t kButtonAutoCheckBox = 0x0003;
inline constexpr std::uint32_t kButtonThreeState = 0x0005;
inline constexpr std::uint32_t kButtonAutoThreeState = 0x0006;
inline constexpr std::uint32_t kButtonRadio = 0x0004;
inline constexpr std::uint32_t kButtonGroupBox = 0x0007;
inline constexpr std::uint32_t kButtonAutoRadio = 0x0009;
inline constexpr std::uint32_t kButtonOwnerDraw = 0x000B;
inline constexpr std::uint32_t kEditMultiLine = 0x0004;
inline constexpr std::uint32_t kListOwnerDrawFixed = 0x0010; // list and combo boxes
inline constexpr std::uint32_t kStaticTypeMask = 0x001F;
inline constexpr std::uint32_t kStaticLeft = 0x0000;
inline constexpr std::uint32_t kStaticCentre = 0x0001;
inline constexpr std::uint32_t kStaticRight = 0x0002;
inline constexpr std::uint32_t kStaticSimple = 0x000B;
inline constexpr std::uint32_t kStaticLeftNoWrap = 0x000C;

// The tallest a single-line edit field may be, in pixels.
inline constexpr int kEditMaxHeight = 20;

// Bitmaps of the calendar and sum picture buttons (up, down).
inline constexpr int kCalendarButtonUp = 24579;
inline constexpr int kCalendarButtonDown = 24578;
inline constexpr int kSumButtonUp = 24581;
inline constexpr int kSumButtonDown = 24580;

enum class Replacement {
    None,            // the control stays as it is
    OwnerDrawStatic, // a static text the dialog draws in its own colours
    CheckBox,        // CNewCheckBox
    GroupList,       // CNewGroupList
    HtmlCtrl,        // CNewHtmlCtrl, rich message text
    TextCtrl,        // CNewTextCtrl, a label
    HeadBar,         // CNewTextCtrl as a heading bar
    HtmlTextCtrl,    // CHtmlTextCtrl, label markup
    LinkButton,      // CLinkButtonCtrl
    ColumnWnd,       // CColumnWnd
    Headline,        // CNewHeadlineCtrl
    TabCtrl,         // CMyTabCtrl
    TextWnd,         // CTextWnd panel
    ButtonBar,       // CButtonBar
    BitmapButton,    // CMyBitmapButton
    LineCtrl,        // CLineCtrl
    ImagelistButton, // CImagelistButton
    PushButton,      // CNewButtonCtrl2
    BitmapList,      // CBitmapList
    BitmapCombo,     // CBitmapCombo
    JpgList,         // CNewJpgListCtrl, a list of pictures
    ReportList,      // CNewListCtrl3, a report list
};

enum class Border { Keep, Flat, None };
enum class PanelLook { Plain, Blue, Head };      // the three CTextWnd forms
enum class ButtonLook { Plain, Link, NewStyle }; // CNewButtonCtrl2 forms
enum class LabelAlign { Top, Bottom, VCentre };  // CHtmlTextCtrl placement

// The builder's switches that change decisions.
struct BuilderSwitches {
    bool replaceLists = true;
    bool replaceCombos = true;
    bool thumbnailList = false;
};

struct BuilderDecision {
    Replacement replacement = Replacement::None;
    std::string caption;         // the new control's text
    bool makeOwnerDrawn = false; // the button is switched to owner-drawn
    bool threeState = false;     // check boxes
    Border border = Border::Keep;
    bool headingColours = false; // heading background and text instead of the dialog's
    bool firstLevel = false;     // "<h1>"
    LabelAlign align = LabelAlign::Top;
    bool iconBitmapFromShared = false; // "<itext>": icons of shared resource 7
    int iconIndex = -1;                // "sym:N"; -1 for none
    PanelLook panel = PanelLook::Plain;
    bool bold = false; // "<headwnd><b>"
    ButtonLook button = ButtonLook::Plain;
    int bitmapUp = 0; // picture buttons
    int bitmapDown = 0;
    bool grayLine = false;        // "<grayline>"
    bool limitHeight = false;     // single-line edit: at most kEditMaxHeight high
    bool takesListNumber = false; // list views: number reported, pending column coupled

    friend bool operator==(const BuilderDecision&, const BuilderDecision&) = default;
};

// Whether `text` begins with `tag`, letters compared without case.
bool startsWithTag(std::string_view text, std::string_view tag);

// The decision for one child. `windowClass` is compared without case
// ("Button", "Edit", "ListBox", "ComboBox", "Static", "SysListView32");
// `height` is the control's height in pixels (edit fields only).
BuilderDecision decideReplacement(std::string_view windowClass, std::uint32_t style,
                                  std::string_view caption, int height,
                                  const BuilderSwitches& switches);

} // namespace veltrano
