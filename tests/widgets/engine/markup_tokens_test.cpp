#include "widgets/engine/markup_tokens.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace veltrano {
namespace {

struct TagCase {
    const char* tag;
    RichTokenKind kind;
    std::int32_t number;
};

TEST(RichTags, KindsAndNumbersOfEveryForm) {
    const TagCase cases[] = {
        {"<br>", RichTokenKind::LineBreak, 0},
        {"<BR>", RichTokenKind::LineBreak, 0},
        {"<Strong>", RichTokenKind::Strong, 0},
        {"</strong>", RichTokenKind::StrongEnd, 0},
        {"<red>", RichTokenKind::Red, 0},
        {"</RED>", RichTokenKind::RedEnd, 0},
        {"<hr>", RichTokenKind::Rule, 0},
        {"<yellowline>", RichTokenKind::YellowLine, 0},
        {"<h1>", RichTokenKind::Heading, 0},
        {"</h1>", RichTokenKind::HeadingEnd, 0},
        {"<smallhr>", RichTokenKind::SmallRule, 0},
        {"<hbmp>", RichTokenKind::HeaderBitmap, 0},
        {"<button>", RichTokenKind::ButtonStart, 0},
        {"</button>", RichTokenKind::ButtonEnd, 0},
        // Literal table forms carry the number 0.
        {"<tabx>", RichTokenKind::Tab, 0},
        {"<imgx>", RichTokenKind::Image, 0},
        {"<bmpx>", RichTokenKind::Bitmap, 0},
        {"<rtabx>", RichTokenKind::RightTab, 0},
        {"<newlinex>", RichTokenKind::NewLine, 0},
        // Numbered forms, letter case and blanks before the number.
        {"<tab40>", RichTokenKind::Tab, 40},
        {"<TAB40>", RichTokenKind::Tab, 40},
        {"<tab 120>", RichTokenKind::Tab, 120},
        {"<tab999999999999>", RichTokenKind::Tab, 2147483647},
        {"<img3>", RichTokenKind::Image, 3},
        {"<img-5>", RichTokenKind::Image, -5},
        {"<IMG12>", RichTokenKind::Image, 12},
        {"<bmp133>", RichTokenKind::Bitmap, 133},
        {"<bmp-1>", RichTokenKind::Bitmap, -1},
        {"<rtab200>", RichTokenKind::RightTab, 200},
        {"<newline8>", RichTokenKind::NewLine, 8},
        {"<NewLine 20>", RichTokenKind::NewLine, 20},
        // Forms that fail their rule are ignored.
        {"<tab0>", RichTokenKind::Ignored, 0},
        {"<tab-3>", RichTokenKind::Ignored, 0},
        {"<tab>", RichTokenKind::Ignored, 0},
        {"<table>", RichTokenKind::Ignored, 0},
        {"<img 5>", RichTokenKind::Ignored, 0},
        {"<img>", RichTokenKind::Ignored, 0},
        {"<bmp>", RichTokenKind::Ignored, 0},
        {"<rtab0>", RichTokenKind::Ignored, 0},
        {"<newline0>", RichTokenKind::Ignored, 0},
        {"<b>", RichTokenKind::Ignored, 0},
        {"<>", RichTokenKind::Ignored, 0},
    };
    for (const TagCase& c : cases) {
        const RichToken token = classifyRichTag(c.tag);
        EXPECT_EQ(token.kind, c.kind) << c.tag;
        EXPECT_EQ(token.number, c.number) << c.tag;
        EXPECT_EQ(token.text, c.tag);
    }
}

std::vector<std::string> richWords(std::string_view text) {
    std::vector<std::string> out;
    while (!text.empty()) {
        const RichToken token = nextRichToken(text);
        out.push_back(token.kind == RichTokenKind::Word ? std::string(token.text)
                                                        : "#" + std::string(token.text));
    }
    return out;
}

TEST(RichTokens, BlanksBelongToTheWordBeforeThem) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(richWords("Hello  world"), (Words{"Hello  ", "world"}));
    EXPECT_EQ(richWords("  lead"), (Words{"  ", "lead"}));
    EXPECT_EQ(richWords("a<br>b "), (Words{"a", "#<br>", "b "}));
    EXPECT_EQ(richWords("x <b> y"), (Words{"x ", "#<b>", " ", "y"}));
    EXPECT_EQ(richWords("a>b"), (Words{"a>b"}));
}

TEST(RichTokens, UnclosedTagEndsTheTextWithSyntaxError) {
    using Words = std::vector<std::string>;
    EXPECT_EQ(richWords("ab <strong rest of text"), (Words{"ab ", "[Syntax Error]"}));
    EXPECT_EQ(richWords("<"), (Words{"[Syntax Error]"}));
}

std::vector<std::string> labelTokens(std::string_view text) {
    std::vector<std::string> out;
    while (!text.empty()) {
        const LabelToken token = nextLabelToken(text);
        out.push_back(token.kind == LabelTokenKind::Word
                          ? token.word
                          : "#" + std::to_string(static_cast<int>(token.kind)));
    }
    return out;
}

TEST(LabelTokens, WordsTakeOneBlankAndTagsTheirKind) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(labelTokens("a  b"), (Tokens{"a ", " ", "b"}));
    EXPECT_EQ(labelTokens(" "), (Tokens{" "}));
    EXPECT_EQ(
        labelTokens("<B>x</b><U>u</u><link>l</LINK><big>g</big><br><line>"),
        (Tokens{"#1", "x", "#2", "#3", "u", "#4", "#5", "l", "#6", "#7", "g", "#8", "#9", "#10"}));
}

TEST(LabelTokens, FaultyTagsBecomeErrorWords) {
    using Tokens = std::vector<std::string>;
    EXPECT_EQ(labelTokens("ok <b"), (Tokens{"ok ", "(error: missing endtag)"}));
    EXPECT_EQ(labelTokens("<strong>x"), (Tokens{"(error: unknown token \"<strong>\")", "x"}));
}

} // namespace
} // namespace veltrano
