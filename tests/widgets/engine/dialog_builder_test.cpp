#include "widgets/engine/dialog_builder.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace veltrano {

std::ostream& operator<<(std::ostream& out, const BuilderDecision& d) {
    return out << "replacement " << static_cast<int>(d.replacement) << " caption \"" << d.caption
               << "\" ownerDrawn " << d.makeOwnerDrawn << " threeState " << d.threeState
               << " border " << static_cast<int>(d.border) << " icon " << d.iconIndex;
}

namespace {

constexpr std::uint32_t kPush = 0x0;
constexpr std::uint32_t kVisibleTabStop = 0x10010000;

BuilderDecision expect(Replacement replacement, std::string caption,
                       const std::function<void(BuilderDecision&)>& more = {}) {
    BuilderDecision d;
    d.replacement = replacement;
    d.caption = std::move(caption);
    if (more) {
        more(d);
    }
    return d;
}

struct Row {
    const char* windowClass;
    std::uint32_t style;
    const char* caption;
    BuilderDecision expected;
};

void checkRows(const std::vector<Row>& rows, int height = 14, BuilderSwitches switches = {}) {
    for (const Row& row : rows) {
        SCOPED_TRACE(std::string(row.windowClass) + " \"" + row.caption + "\"");
        EXPECT_EQ(decideReplacement(row.windowClass, row.style, row.caption, height, switches),
                  row.expected);
    }
}

auto ownerDrawn = [](BuilderDecision& d) { d.makeOwnerDrawn = true; };

TEST(DialogBuilderDecision, EveryButtonRowInTableOrder) {
    checkRows({
        {"Button", 0x3, "Drucken", expect(Replacement::CheckBox, "Drucken")},
        {"Button", 0x2, "<html>x", expect(Replacement::CheckBox, "<html>x")},
        {"Button", 0x6, "Drei",
         expect(Replacement::CheckBox, "Drei", [](auto& d) { d.threeState = true; })},
        {"Button", 0x5, "",
         expect(Replacement::CheckBox, "", [](auto& d) { d.threeState = true; })},
        {"Button", kPush, "<CHECK>Alle", expect(Replacement::CheckBox, "Alle", ownerDrawn)},
        {"Button", kPush, "<group>Art", expect(Replacement::GroupList, "Art", ownerDrawn)},
        {"Button", kPush, "<html><strong>Wort</strong>",
         expect(Replacement::HtmlCtrl, "<strong>Wort</strong>")},
        {"Button", kPush, "<html>", expect(Replacement::HtmlCtrl, "")},
        {"Button", kPush, "<text>Name:", expect(Replacement::TextCtrl, "Name:")},
        {"Button", kPush, "<htext>Hinweis", expect(Replacement::HtmlTextCtrl, "Hinweis")},
        {"Button", kPush, "<btext>Unten",
         expect(Replacement::HtmlTextCtrl, "Unten", [](auto& d) { d.align = LabelAlign::Bottom; })},
        {"Button", kPush, "<ctext>Mitte",
         expect(Replacement::HtmlTextCtrl, "Mitte",
                [](auto& d) { d.align = LabelAlign::VCentre; })},
        {"Button", kPush, "<itext>sym:3Wort",
         expect(Replacement::HtmlTextCtrl, "Wort",
                [](auto& d) {
                    d.align = LabelAlign::VCentre;
                    d.iconBitmapFromShared = true;
                    d.iconIndex = 3;
                })},
        {"Button", kPush, "<lbutton>Mehr", expect(Replacement::LinkButton, "Mehr")},
        {"Button", kPush, "<colwnd>Spalten", expect(Replacement::ColumnWnd, "")},
        {"Button", kPush, "<h1>Titel",
         expect(Replacement::Headline, "Titel", [](auto& d) { d.firstLevel = true; })},
        {"Button", kPush, "<h2>Teil", expect(Replacement::Headline, "Teil")},
        {"Button", kPush, "<head>Kopf",
         expect(Replacement::HeadBar, "Kopf", [](auto& d) { d.headingColours = true; })},
        {"Button", kPush, "<tab>A|B", expect(Replacement::TabCtrl, "A|B")},
        {"Button", kPush, "<textwnd>Info",
         expect(Replacement::TextWnd, "Info", [](auto& d) { d.border = Border::Flat; })},
        {"Button", kPush, "<bluewnd>Blau",
         expect(Replacement::TextWnd, "Blau",
                [](auto& d) {
                    d.panel = PanelLook::Blue;
                    d.border = Border::Flat;
                })},
        {"Button", kPush, "<headwnd><b>Fett",
         expect(Replacement::TextWnd, "Fett",
                [](auto& d) {
                    d.panel = PanelLook::Head;
                    d.border = Border::None;
                    d.bold = true;
                })},
        {"Button", kPush, "<headwnd>Normal",
         expect(Replacement::TextWnd, "Normal",
                [](auto& d) {
                    d.panel = PanelLook::Head;
                    d.border = Border::None;
                })},
        {"Button", kPush, "<buttonbar>Neu|Weg", expect(Replacement::ButtonBar, "Neu|Weg")},
        {"Button", kPush, "<cal>x",
         expect(Replacement::BitmapButton, "",
                [](auto& d) {
                    d.bitmapUp = 24579;
                    d.bitmapDown = 24578;
                })},
        {"Button", kPush, "<sum>",
         expect(Replacement::BitmapButton, "",
                [](auto& d) {
                    d.bitmapUp = 24581;
                    d.bitmapDown = 24580;
                })},
        {"Button", kPush, "<line>", expect(Replacement::LineCtrl, "")},
        {"Button", kPush, "<grayline>abc",
         expect(Replacement::LineCtrl, "", [](auto& d) { d.grayLine = true; })},
        {"Button", kPush, "<img>Bild", expect(Replacement::ImagelistButton, "Bild")},
        {"Button", kPush, "<u>Link",
         expect(Replacement::PushButton, "Link",
                [](auto& d) {
                    d.makeOwnerDrawn = true;
                    d.button = ButtonLook::Link;
                })},
        {"Button", kPush, "<newstyle>Neu",
         expect(Replacement::PushButton, "Neu",
                [](auto& d) {
                    d.makeOwnerDrawn = true;
                    d.button = ButtonLook::NewStyle;
                })},
        {"Button", kVisibleTabStop | 0x1, "OK", expect(Replacement::PushButton, "OK", ownerDrawn)},
        {"Button", kPush, "<unknown>", expect(Replacement::PushButton, "<unknown>", ownerDrawn)},
    });
}

TEST(DialogBuilderDecision, ButtonsThatStay) {
    checkRows({
        // An owner-drawn button without a tag, and a button without caption.
        {"Button", 0xB, "", expect(Replacement::None, "")},
        {"Button", 0xB, "Selbst", expect(Replacement::None, "Selbst")},
        {"Button", 0xB, "<u>Selbst", expect(Replacement::None, "<u>Selbst")},
        {"Button", kPush, "", expect(Replacement::None, "")},
        // Radio buttons and group frames keep their behaviour.
        {"Button", 0x9, "Wahl", expect(Replacement::None, "Wahl")},
        {"Button", 0x4, "Wahl", expect(Replacement::None, "Wahl")},
        {"Button", 0x7, "Gruppe", expect(Replacement::None, "Gruppe")},
        // Tags still replace owner-drawn buttons.
        {"Button", 0xB, "<line>", expect(Replacement::LineCtrl, "")},
    });
}

TEST(DialogBuilderDecision, TagsMatchWithoutCaseAndOnlyAtTheStart) {
    checkRows({
        {"BUTTON", kPush, "<HTML>x", expect(Replacement::HtmlCtrl, "x")},
        {"button", kPush, "<Line>", expect(Replacement::LineCtrl, "")},
        {"Button", kPush, "a<html>", expect(Replacement::PushButton, "a<html>", ownerDrawn)},
        // "<text" is not "<textwnd>", "<head>" is not "<headwnd>".
        {"Button", kPush, "<textwnd>",
         expect(Replacement::TextWnd, "", [](auto& d) { d.border = Border::Flat; })},
        {"Button", kPush, "<head>",
         expect(Replacement::HeadBar, "", [](auto& d) { d.headingColours = true; })},
        // A caption just as long as a tag's start is not that tag.
        {"Button", kPush, "<htm", expect(Replacement::PushButton, "<htm", ownerDrawn)},
    });
}

TEST(DialogBuilderDecision, IconNumberAfterLabelTags) {
    checkRows({
        {"Button", kPush, "<htext>sym:12 Text",
         expect(Replacement::HtmlTextCtrl, " Text", [](auto& d) { d.iconIndex = 12; })},
        {"Button", kPush, "<htext>SYM:7",
         expect(Replacement::HtmlTextCtrl, "", [](auto& d) { d.iconIndex = 7; })},
        // "sym:" without digits is ordinary text.
        {"Button", kPush, "<htext>sym:x", expect(Replacement::HtmlTextCtrl, "sym:x")},
        {"Button", kPush, "<htext>Text sym:3", expect(Replacement::HtmlTextCtrl, "Text sym:3")},
    });
    // Huge numbers are held at a bound instead of overflowing.
    const BuilderDecision huge =
        decideReplacement("Button", kPush, "<htext>sym:99999999999999999999a", 10, {});
    EXPECT_GT(huge.iconIndex, 0);
    EXPECT_EQ(huge.caption, "a");
}

TEST(DialogBuilderDecision, OtherClasses) {
    const auto flat = [](BuilderDecision& d) { d.border = Border::Flat; };
    checkRows({
        {"Static", 0x0, "Links", expect(Replacement::OwnerDrawStatic, "Links")},
        {"Static", 0x1, "Mitte", expect(Replacement::OwnerDrawStatic, "Mitte")},
        {"Static", 0x2, "Rechts", expect(Replacement::OwnerDrawStatic, "Rechts")},
        {"Static", 0xB, "Einfach", expect(Replacement::OwnerDrawStatic, "Einfach")},
        {"Static", 0xC, "Kein Umbruch", expect(Replacement::OwnerDrawStatic, "Kein Umbruch")},
        {"Static", 0x3, "", expect(Replacement::None, "")}, // icon
        {"Static", 0x7, "", expect(Replacement::None, "")}, // frame
        {"Static", 0xE, "", expect(Replacement::None, "")}, // bitmap
        {"ListBox", 0x0, "", expect(Replacement::None, "", flat)},
        {"ListBox", 0x10, "", expect(Replacement::BitmapList, "", flat)},
        {"ComboBox", 0x3, "", expect(Replacement::None, "")},
        {"ComboBox", 0x13, "", expect(Replacement::BitmapCombo, "")},
        {"SysListView32", 0x1, "",
         expect(Replacement::ReportList, "",
                [](auto& d) {
                    d.border = Border::Flat;
                    d.takesListNumber = true;
                })},
        {"msctls_updown32", 0x0, "", expect(Replacement::None, "")},
    });
}

TEST(DialogBuilderDecision, SwitchesDecideListsAndCombos) {
    BuilderSwitches off;
    off.replaceLists = false;
    off.replaceCombos = false;
    const auto flat = [](BuilderDecision& d) { d.border = Border::Flat; };
    checkRows({{"ListBox", 0x10, "", expect(Replacement::None, "", flat)},
               {"ComboBox", 0x13, "", expect(Replacement::None, "")},
               {"SysListView32", 0x1, "", expect(Replacement::None, "", flat)}},
              14, off);
    BuilderSwitches thumbnails;
    thumbnails.thumbnailList = true;
    checkRows({{"SysListView32", 0x1, "",
                expect(Replacement::JpgList, "",
                       [](auto& d) {
                           d.border = Border::Flat;
                           d.takesListNumber = true;
                       })}},
              14, thumbnails);
}

TEST(DialogBuilderDecision, SingleLineEditsAreAtMost20High) {
    EXPECT_TRUE(decideReplacement("Edit", 0x80, "", 24, {}).limitHeight);
    EXPECT_FALSE(decideReplacement("Edit", 0x80, "", 20, {}).limitHeight);
    EXPECT_FALSE(decideReplacement("Edit", 0x4, "", 60, {}).limitHeight); // multi-line
    EXPECT_EQ(decideReplacement("Edit", 0x80, "", 24, {}).replacement, Replacement::None);
}

} // namespace
} // namespace veltrano
