#include "widgets/engine/dialog_builder.h"

#include <array>
#include <cctype>

namespace veltrano {
namespace {

char lower(char c) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
}

bool equalsNoCase(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

// The caption after a tag of that length; empty when the caption is no longer.
std::string afterTag(std::string_view caption, std::size_t tagLength) {
    return caption.size() > tagLength ? std::string(caption.substr(tagLength)) : std::string();
}

// "sym:" and digits right after an icon label's tag choose its icon; the
// digits end at the first non-digit, which stays in the text. Large numbers
// are held at a bound rather than overflowing.
void takeIconIndex(BuilderDecision& decision) {
    const std::string_view text = decision.caption;
    if (!startsWithTag(text, "sym:") || text.size() < 5 ||
        !std::isdigit(static_cast<unsigned char>(text[4]))) {
        return;
    }
    std::size_t end = 4;
    int index = 0;
    while (end < text.size() && std::isdigit(static_cast<unsigned char>(text[end]))) {
        index = index >= 100000000 ? index : index * 10 + (text[end] - '0');
        ++end;
    }
    decision.iconIndex = index;
    decision.caption = std::string(text.substr(end));
}

using Settle = void (*)(BuilderDecision&);

struct TagRow {
    std::string_view tag;
    Replacement replacement;
    Settle settle; // further settings; may be nullptr
};

// The tagged button rows, in the order they are tried.
constexpr std::array<TagRow, 22> kButtonTags{{
    {"<group>", Replacement::GroupList, [](BuilderDecision& d) { d.makeOwnerDrawn = true; }},
    {"<html>", Replacement::HtmlCtrl, nullptr},
    {"<text>", Replacement::TextCtrl, nullptr},
    {"<htext>", Replacement::HtmlTextCtrl, takeIconIndex},
    {"<btext>", Replacement::HtmlTextCtrl,
     [](BuilderDecision& d) {
         d.align = LabelAlign::Bottom;
         takeIconIndex(d);
     }},
    {"<ctext>", Replacement::HtmlTextCtrl,
     [](BuilderDecision& d) {
         d.align = LabelAlign::VCentre;
         takeIconIndex(d);
     }},
    {"<itext>", Replacement::HtmlTextCtrl,
     [](BuilderDecision& d) {
         d.align = LabelAlign::VCentre;
         d.iconBitmapFromShared = true;
         takeIconIndex(d);
     }},
    {"<lbutton>", Replacement::LinkButton, nullptr},
    {"<colwnd>", Replacement::ColumnWnd, [](BuilderDecision& d) { d.caption.clear(); }},
    {"<h1>", Replacement::Headline, [](BuilderDecision& d) { d.firstLevel = true; }},
    {"<h2>", Replacement::Headline, nullptr},
    {"<head>", Replacement::HeadBar, [](BuilderDecision& d) { d.headingColours = true; }},
    {"<tab>", Replacement::TabCtrl, nullptr},
    {"<textwnd>", Replacement::TextWnd, [](BuilderDecision& d) { d.border = Border::Flat; }},
    {"<bluewnd>", Replacement::TextWnd,
     [](BuilderDecision& d) {
         d.panel = PanelLook::Blue;
         d.border = Border::Flat;
     }},
    {"<headwnd>", Replacement::TextWnd,
     [](BuilderDecision& d) {
         d.panel = PanelLook::Head;
         d.border = Border::None;
         if (startsWithTag(d.caption, "<b>")) {
             d.bold = true;
             d.caption = afterTag(d.caption, 3);
         }
     }},
    {"<buttonbar>", Replacement::ButtonBar, nullptr},
    {"<cal>", Replacement::BitmapButton,
     [](BuilderDecision& d) {
         d.bitmapUp = kCalendarButtonUp;
         d.bitmapDown = kCalendarButtonDown;
         d.caption.clear();
     }},
    {"<sum>", Replacement::BitmapButton,
     [](BuilderDecision& d) {
         d.bitmapUp = kSumButtonUp;
         d.bitmapDown = kSumButtonDown;
         d.caption.clear();
     }},
    {"<line>", Replacement::LineCtrl, [](BuilderDecision& d) { d.caption.clear(); }},
    {"<grayline>", Replacement::LineCtrl,
     [](BuilderDecision& d) {
         d.grayLine = true;
         d.caption.clear();
     }},
    {"<img>", Replacement::ImagelistButton, nullptr},
}};

BuilderDecision decideButton(std::uint32_t style, std::string_view caption) {
    BuilderDecision decision;
    decision.caption = std::string(caption);
    const std::uint32_t type = style & kButtonTypeMask;
    const bool checkStyle = type == kButtonCheckBox || type == kButtonAutoCheckBox ||
                            type == kButtonThreeState || type == kButtonAutoThreeState;
    const bool checkTag = startsWithTag(caption, "<check>");
    if (checkStyle || checkTag) {
        decision.replacement = Replacement::CheckBox;
        decision.threeState = type == kButtonThreeState || type == kButtonAutoThreeState;
        if (checkTag) {
            decision.makeOwnerDrawn = true;
            decision.caption = afterTag(caption, 7);
        }
        return decision;
    }
    for (const TagRow& row : kButtonTags) {
        if (startsWithTag(caption, row.tag)) {
            decision.replacement = row.replacement;
            decision.caption = afterTag(caption, row.tag.size());
            if (row.settle != nullptr) {
                row.settle(decision);
            }
            return decision;
        }
    }
    // Radio buttons and group frames keep their own behaviour: a push button
    // in their place would lose the choice or the frame they show.
    const bool keepsOwnKind =
        type == kButtonRadio || type == kButtonAutoRadio || type == kButtonGroupBox;
    if (!caption.empty() && type != kButtonOwnerDraw && !keepsOwnKind) {
        decision.replacement = Replacement::PushButton;
        decision.makeOwnerDrawn = true;
        if (startsWithTag(caption, "<u>")) {
            decision.button = ButtonLook::Link;
            decision.caption = afterTag(caption, 3);
        } else if (startsWithTag(caption, "<newstyle>")) {
            decision.button = ButtonLook::NewStyle;
            decision.caption = afterTag(caption, 10);
        }
    }
    return decision;
}

BuilderDecision decideStatic(std::uint32_t style, std::string_view caption) {
    BuilderDecision decision;
    decision.caption = std::string(caption);
    switch (style & kStaticTypeMask) {
    case kStaticLeft:
    case kStaticCentre:
    case kStaticRight:
    case kStaticSimple:
    case kStaticLeftNoWrap:
        decision.replacement = Replacement::OwnerDrawStatic;
        break;
    default: // pictures and frames stay
        break;
    }
    return decision;
}

} // namespace

bool startsWithTag(std::string_view text, std::string_view tag) {
    return text.size() >= tag.size() && equalsNoCase(text.substr(0, tag.size()), tag);
}

BuilderDecision decideReplacement(std::string_view windowClass, std::uint32_t style,
                                  std::string_view caption, int height,
                                  const BuilderSwitches& switches) {
    if (equalsNoCase(windowClass, "Button")) {
        return decideButton(style, caption);
    }
    if (equalsNoCase(windowClass, "Static")) {
        return decideStatic(style, caption);
    }
    BuilderDecision decision;
    decision.caption = std::string(caption);
    if (equalsNoCase(windowClass, "Edit")) {
        decision.limitHeight = (style & kEditMultiLine) == 0 && height > kEditMaxHeight;
    } else if (equalsNoCase(windowClass, "ListBox")) {
        decision.border = Border::Flat;
        if (switches.replaceLists && (style & kListOwnerDrawFixed) != 0) {
            decision.replacement = Replacement::BitmapList;
        }
    } else if (equalsNoCase(windowClass, "ComboBox")) {
        if (switches.replaceCombos && (style & kListOwnerDrawFixed) != 0) {
            decision.replacement = Replacement::BitmapCombo;
        }
    } else if (equalsNoCase(windowClass, "SysListView32")) {
        decision.border = Border::Flat;
        if (switches.replaceLists) {
            decision.replacement =
                switches.thumbnailList ? Replacement::JpgList : Replacement::ReportList;
            decision.takesListNumber = true;
        }
    }
    return decision;
}

} // namespace veltrano
