#include "widgets/engine/markup_plain_text.h"

#include "widgets/engine/markup_tokens.h"

#include <array>

namespace veltrano {
namespace {

// Collects words, blanks and line breaks so that no line starts or ends with
// a blank, blanks never come twice and the text has no empty lines.
class PlainTextBuilder {
  public:
    void word(std::string_view text) {
        for (const char c : text) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
                blank();
                continue;
            }
            if (pendingBreak_ && !out_.empty())
                out_ += '\n';
            else if (pendingBlank_ && !out_.empty())
                out_ += ' ';
            pendingBreak_ = pendingBlank_ = false;
            out_ += c;
        }
    }
    void blank() { pendingBlank_ = true; }
    void lineBreak() { pendingBreak_ = true; }
    std::string take() { return std::move(out_); }

  private:
    std::string out_;
    bool pendingBlank_ = false;
    bool pendingBreak_ = false;
};

} // namespace

std::string richMarkupPlainText(std::string_view markup) {
    PlainTextBuilder text;
    while (!markup.empty()) {
        const RichToken token = nextRichToken(markup);
        switch (token.kind) {
        case RichTokenKind::Word:
        case RichTokenKind::LessThan:
            text.word(token.text);
            break;
        case RichTokenKind::LineBreak:
        case RichTokenKind::Rule:
        case RichTokenKind::SmallRule:
        case RichTokenKind::YellowLine:
        case RichTokenKind::NewLine:
        case RichTokenKind::Heading:
        case RichTokenKind::HeadingEnd:
            text.lineBreak();
            break;
        case RichTokenKind::Tab:
        case RichTokenKind::RightTab:
            text.blank();
            break;
        default:
            break;
        }
    }
    return text.take();
}

std::string labelMarkupPlainText(std::string_view markup) {
    PlainTextBuilder text;
    while (!markup.empty()) {
        const LabelToken token = nextLabelToken(markup);
        if (token.kind == LabelTokenKind::Word)
            text.word(token.word);
        else if (token.kind == LabelTokenKind::LineBreak || token.kind == LabelTokenKind::Line)
            text.lineBreak();
    }
    return text.take();
}

std::optional<std::string> labelMarkupLinkText(std::string_view markup) {
    PlainTextBuilder text;
    bool inLink = false;
    while (!markup.empty()) {
        const LabelToken token = nextLabelToken(markup);
        if (token.kind == LabelTokenKind::Link)
            inLink = true;
        else if (inLink && token.kind == LabelTokenKind::LinkEnd)
            return text.take();
        else if (inLink && token.kind == LabelTokenKind::Word)
            text.word(token.word);
        else if (inLink &&
                 (token.kind == LabelTokenKind::LineBreak || token.kind == LabelTokenKind::Line))
            text.lineBreak();
    }
    return std::nullopt;
}

std::string listRowPlainText(std::string_view row) {
    static constexpr std::array<std::string_view, 3> kLookPrefixes = {"<red>", "<line>", "<group>"};
    for (bool found = true; found;) {
        found = false;
        for (const std::string_view prefix : kLookPrefixes) {
            if (row.substr(0, prefix.size()) == prefix) {
                row.remove_prefix(prefix.size());
                found = true;
            }
        }
    }
    PlainTextBuilder text;
    text.word(row);
    return text.take();
}

} // namespace veltrano
