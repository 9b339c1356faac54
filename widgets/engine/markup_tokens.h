#pragma once
// Tokens of the markup text in which messages and labels are written.
//
// Two readers share the tag syntax ("<" up to the next ">" inclusive, names
// compared without regard to letter case) but differ in their words and tag
// sets: the rich message reader (messages, scrolling panels) and the label
// reader (one or a few lines). Both consume at least one character per token,
// so a loop over any text ends, and neither copies more than the token.

#include <cstdint>
#include <string>
#include <string_view>

namespace veltrano {

// The rich message tag kinds, numbered as the tag table lists them, followed
// by the two kinds that are not tags.
enum class RichTokenKind : int {
    LineBreak = 0,     // <br>
    Strong = 1,        // <strong>
    StrongEnd = 2,     // </strong>
    Red = 3,           // <red>
    RedEnd = 4,        // </red>
    Rule = 5,          // <hr>
    YellowLine = 6,    // <yellowline>
    Tab = 7,           // <tabx>, <tabN>
    Image = 8,         // <imgx>, <imgN>
    Bitmap = 9,        // <bmpx>, <bmpN>
    Heading = 10,      // <h1>
    HeadingEnd = 11,   // </h1>
    RightTab = 12,     // <rtabx>, <rtabN>
    SmallRule = 13,    // <smallhr>
    NewLine = 14,      // <newlinex>, <newlineN>
    HeaderBitmap = 15, // <hbmp>
    ButtonStart = 16,  // <button>
    ButtonEnd = 17,    // </button>
    Word,              // text: a word with the blanks that follow it
    Ignored,           // a tag in no table; neither drawn nor of any effect
    LessThan,          // <lt>: a literal "<", drawn as a word of its own
    NoLink,            // <nolink>: the words that follow never become links
    NoLinkEnd,         // </nolink>
};

struct RichToken {
    RichTokenKind kind = RichTokenKind::Word;
    // The word (for Word and LessThan) or the whole tag; views into the text
    // read, except for the syntax-error word and "<", which are static.
    std::string_view text;
    // N of the numbered forms; 0 for the literal table forms ("<tabx>").
    std::int32_t number = 0;
};

// The text drawn in place of a tag that is never closed.
inline constexpr std::string_view kRichSyntaxError = "[Syntax Error]";

// The kind (and number) of one whole tag, "<" and ">" included.
RichToken classifyRichTag(std::string_view tag);

// Reads the token at the front of `text` and removes it from `text`. A "<"
// without a later ">" gives the word "[Syntax Error]" and uses up the rest.
// Must not be called with an empty text.
RichToken nextRichToken(std::string_view& text);

// The label tag kinds; 0 is a word of text.
enum class LabelTokenKind : int {
    Word = 0,
    Bold = 1,         // <b>
    BoldEnd = 2,      // </b>
    Underline = 3,    // <u>
    UnderlineEnd = 4, // </u>
    Link = 5,         // <link>
    LinkEnd = 6,      // </link>
    Big = 7,          // <big>
    BigEnd = 8,       // </big>
    LineBreak = 9,    // <br>
    Line = 10,        // <line>
    NoLink = 11,      // <nolink>: no effect, labels make links only by <link>
    NoLinkEnd = 12,   // </nolink>
};

struct LabelToken {
    LabelTokenKind kind = LabelTokenKind::Word;
    std::string word; // the word to draw, for Word
};

// Reads the token at the front of `text` and removes it from `text`. Faulty
// tags come back as words that say what is wrong: a "<" without ">" gives
// "(error: missing endtag)" and drops the rest of the text; a tag not in the
// label set gives "(error: unknown token \"<tag>\")". "<lt>" gives the word
// "<". Must not be called with an empty text.
LabelToken nextLabelToken(std::string_view& text);

} // namespace veltrano
