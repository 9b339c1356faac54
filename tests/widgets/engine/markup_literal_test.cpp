// Outside text put into markup with markupLiteral is drawn by both engines
// exactly as it is: no tag takes effect, no error word, no link.

#include "core/markup_literal.h"
#include "widgets/engine/html_text_ctrl.h"
#include "widgets/engine/rich_text_layout.h"

#include "engine_fixture.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

std::string drawnText(const RecordingSurface& surface) {
    std::string text;
    for (const RecordedOp& op : surface.opsOf(OpKind::DrawText))
        text += op.text;
    return text;
}

const char* const kOutsideTexts[] = {
    "Urlaub <2027>.cal",
    "<b>fett</b> <red>rot</red> <newline500> <tab40> <img1> <hr>",
    "<link>klick</link> <big>gross <line> <br>",
    "<",
    "<<>>",
    "a <b",
    "offen <ohne Ende",
    "x>y",
    "<lt> <nolink> </nolink>",
    "www.example.org a@b.c mailto:a@b.c http://example.org/  zwei  Blanks ",
    "/home/anna/www.example.org/Geburtstage <alt>.vcf",
};

TEST(MarkupLiteral, BothEnginesDrawOutsideTextVerbatimWithoutLinks) {
    for (const char* text : kOutsideTexts) {
        const std::string markup = markupLiteral(text);
        RecordingSurface rich;
        std::vector<MarkupArea> areas;
        layoutRichText(rich, Rect{0, 0, 5000, 400}, markup, false, 8, RichTextSettings{}, &areas);
        EXPECT_EQ(drawnText(rich), text);
        EXPECT_TRUE(areas.empty()) << text;

        CHtmlTextCtrl label;
        label.setText("<b>" + markup);
        RecordingSurface labelSurface;
        label.paint(labelSurface, Size{5000, 40});
        EXPECT_EQ(drawnText(labelSurface), text);
        EXPECT_FALSE(label.linkEnds().has_value()) << text;
    }
    EXPECT_EQ(markupLiteral(""), "");
}

TEST(MarkupLiteral, TextAroundTheSpanKeepsItsTagsAndLinks) {
    RecordingSurface rich;
    std::vector<MarkupArea> areas;
    const std::string markup = "<strong>" + markupLiteral("www.innen.de <b>") + " www.aussen.de";
    layoutRichText(rich, Rect{0, 0, 5000, 400}, markup, false, 8, RichTextSettings{}, &areas);
    ASSERT_EQ(areas.size(), 1u);
    EXPECT_EQ(areas[0].text, "www.aussen.de");
    const auto texts = drawnWords(rich);
    ASSERT_FALSE(texts.empty());
    EXPECT_NE(texts.front().find("www.innen.de |B"), std::string::npos) << texts.front();

    CHtmlTextCtrl label;
    label.setText(markupLiteral("<x>") + "<LT>b<link>mehr</link>");
    RecordingSurface labelSurface;
    label.paint(labelSurface, Size{5000, 40});
    EXPECT_EQ(drawnText(labelSurface), "<x><bmehr");
    EXPECT_TRUE(label.linkEnds().has_value());
}

} // namespace
} // namespace veltrano
