#include "core/markup_literal.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace veltrano {
namespace {

// Parts of a text that the rich message engine may turn into a link (it links
// words beginning with "http://", "www." or "mailto:"); compared without regard
// to letter case so that the span is set wherever a link could start.
constexpr std::array<std::string_view, 4> kLinkMarks = {"www.", "://", "mailto:", "@"};

bool mayHoldLink(std::string_view text) {
    const auto equalNoCase = [](char a, char b) {
        return std::tolower(static_cast<unsigned char>(a)) ==
               std::tolower(static_cast<unsigned char>(b));
    };
    return std::any_of(kLinkMarks.begin(), kLinkMarks.end(), [&](std::string_view mark) {
        return std::search(text.begin(), text.end(), mark.begin(), mark.end(), equalNoCase) !=
               text.end();
    });
}

} // namespace

std::string markupLiteral(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 8);
    for (const char c : text) {
        if (c == '<')
            out += kMarkupLessThanTag;
        else
            out += c;
    }
    if (!mayHoldLink(text))
        return out;
    return std::string(kMarkupNoLinkTag) + out + std::string(kMarkupNoLinkEndTag);
}

} // namespace veltrano
