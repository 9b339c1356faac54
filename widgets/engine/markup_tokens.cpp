#include "widgets/engine/markup_tokens.h"

#include "core/markup_literal.h"
#include "core/number_reader.h"

#include <array>
#include <cstddef>

namespace veltrano {

namespace {

constexpr char lowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c;
}

// `prefix` is lower case.
bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) {
        return false;
    }
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (lowerAscii(text[i]) != prefix[i]) {
            return false;
        }
    }
    return true;
}

bool equalsNoCase(std::string_view text, std::string_view lower) {
    return text.size() == lower.size() && startsWithNoCase(text, lower);
}

constexpr bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The rich tags in table order; the index is the kind.
constexpr std::array<std::string_view, 18> kRichTags = {
    "<br>",         "<strong>",  "</strong>",  "<red>",  "</red>",   "<hr>",
    "<yellowline>", "<tabx>",    "<imgx>",     "<bmpx>", "<h1>",     "</h1>",
    "<rtabx>",      "<smallhr>", "<newlinex>", "<hbmp>", "<button>", "</button>"};

// The number after a tag's name; 0 when none follows.
std::int32_t numberAfter(std::string_view tag, std::size_t nameLength) {
    return readInt(tag.substr(nameLength));
}

// A form whose fifth character (after "<img" or "<bmp") starts a number.
bool hasSignOrDigitAt4(std::string_view tag) {
    return tag.size() > 4 && (isDigit(tag[4]) || tag[4] == '-');
}

RichToken numberedTag(std::string_view tag) {
    RichToken token{RichTokenKind::Ignored, tag, 0};
    if (startsWithNoCase(tag, "<tab") && numberAfter(tag, 4) >= 1) {
        token = {RichTokenKind::Tab, tag, numberAfter(tag, 4)};
    } else if (startsWithNoCase(tag, "<img") && hasSignOrDigitAt4(tag)) {
        token = {RichTokenKind::Image, tag, numberAfter(tag, 4)};
    } else if (startsWithNoCase(tag, "<bmp") && hasSignOrDigitAt4(tag)) {
        token = {RichTokenKind::Bitmap, tag, numberAfter(tag, 4)};
    } else if (startsWithNoCase(tag, "<rtab") && numberAfter(tag, 5) >= 1) {
        token = {RichTokenKind::RightTab, tag, numberAfter(tag, 5)};
    } else if (startsWithNoCase(tag, "<newline") && numberAfter(tag, 8) >= 1) {
        token = {RichTokenKind::NewLine, tag, numberAfter(tag, 8)};
    }
    return token;
}

// The label tags in kind order, starting at kind 1.
constexpr std::array<std::string_view, 12> kLabelTags = {
    "<b>",   "</b>",   "<u>",  "</u>",   "<link>",         "</link>",
    "<big>", "</big>", "<br>", "<line>", kMarkupNoLinkTag, kMarkupNoLinkEndTag};

} // namespace

RichToken classifyRichTag(std::string_view tag) {
    for (std::size_t kind = 0; kind < kRichTags.size(); ++kind) {
        if (equalsNoCase(tag, kRichTags[kind])) {
            return RichToken{static_cast<RichTokenKind>(kind), tag, 0};
        }
    }
    if (equalsNoCase(tag, kMarkupLessThanTag)) {
        return RichToken{RichTokenKind::LessThan, "<", 0};
    }
    if (equalsNoCase(tag, kMarkupNoLinkTag)) {
        return RichToken{RichTokenKind::NoLink, tag, 0};
    }
    if (equalsNoCase(tag, kMarkupNoLinkEndTag)) {
        return RichToken{RichTokenKind::NoLinkEnd, tag, 0};
    }
    return numberedTag(tag);
}

RichToken nextRichToken(std::string_view& text) {
    if (!text.empty() && text.front() == '<') {
        const std::size_t close = text.find('>');
        if (close == std::string_view::npos) {
            text = {};
            return RichToken{RichTokenKind::Word, kRichSyntaxError, 0};
        }
        const std::string_view tag = text.substr(0, close + 1);
        text.remove_prefix(close + 1);
        return classifyRichTag(tag);
    }
    std::size_t end = text.find_first_of(" <");
    if (end == std::string_view::npos) {
        end = text.size();
    }
    while (end < text.size() && text[end] == ' ') {
        ++end;
    }
    const std::string_view word = text.substr(0, end);
    text.remove_prefix(end);
    return RichToken{RichTokenKind::Word, word, 0};
}

LabelToken nextLabelToken(std::string_view& text) {
    if (!text.empty() && text.front() == '<') {
        const std::size_t close = text.find('>');
        if (close == std::string_view::npos) {
            text = {};
            return LabelToken{LabelTokenKind::Word, "(error: missing endtag)"};
        }
        const std::string_view tag = text.substr(0, close + 1);
        text.remove_prefix(close + 1);
        if (equalsNoCase(tag, kMarkupLessThanTag)) {
            return LabelToken{LabelTokenKind::Word, "<"};
        }
        for (std::size_t i = 0; i < kLabelTags.size(); ++i) {
            if (equalsNoCase(tag, kLabelTags[i])) {
                return LabelToken{static_cast<LabelTokenKind>(i + 1), {}};
            }
        }
        return LabelToken{LabelTokenKind::Word,
                          "(error: unknown token \"" + std::string(tag) + "\")"};
    }
    std::size_t end = text.find_first_of(" <");
    if (end == std::string_view::npos) {
        end = text.size();
    } else if (text[end] == ' ') {
        ++end; // exactly one blank belongs to the word
    }
    LabelToken token{LabelTokenKind::Word, std::string(text.substr(0, end))};
    text.remove_prefix(end);
    return token;
}

} // namespace veltrano
