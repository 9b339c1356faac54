#include "render/text_layout.h"

#include <algorithm>

namespace veltrano {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

// Splits at CR LF, LF or a lone CR; a break at the very end leaves an empty
// last paragraph, so "Name\r\n" is two lines, the second one empty.
std::vector<std::string_view> splitParagraphs(std::string_view text) {
    std::vector<std::string_view> paragraphs;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n') {
            continue;
        }
        paragraphs.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++i;
        }
        start = i + 1;
    }
    paragraphs.push_back(text.substr(start));
    return paragraphs;
}

// Greedy breaking between words. Blanks that end a line are dropped; a
// paragraph's leading blanks stay on its first line.
void wrapParagraph(std::string_view para, std::int32_t maxWidth, const LineMeasure& width,
                   std::vector<std::string_view>& lines) {
    std::size_t lineStart = 0;
    std::size_t lineEnd = 0;
    bool hasWord = false;
    std::size_t pos = 0;
    while (pos < para.size()) {
        std::size_t wordStart = pos;
        while (wordStart < para.size() && isBlank(para[wordStart])) {
            ++wordStart;
        }
        if (wordStart == para.size()) {
            break;
        }
        std::size_t wordEnd = wordStart;
        while (wordEnd < para.size() && !isBlank(para[wordEnd])) {
            ++wordEnd;
        }
        if (hasWord && width(para.substr(lineStart, wordEnd - lineStart)) > maxWidth) {
            lines.push_back(para.substr(lineStart, lineEnd - lineStart));
            lineStart = wordStart;
        }
        lineEnd = wordEnd;
        hasWord = true;
        pos = wordEnd;
    }
    lines.push_back(hasWord ? para.substr(lineStart, lineEnd - lineStart) : para);
}

std::vector<std::string_view> breakLines(std::string_view text, TextFlags flags,
                                         std::int32_t maxWidth, const LineMeasure& width) {
    std::vector<std::string_view> lines;
    if (flags & TextSingleLine) {
        lines.push_back(text);
        return lines;
    }
    for (std::string_view para : splitParagraphs(text)) {
        if (flags & TextWordWrap) {
            wrapParagraph(para, maxWidth, width, lines);
        } else {
            lines.push_back(para);
        }
    }
    return lines;
}

} // namespace

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

std::string_view firstCharacters(std::string_view text, std::size_t n) {
    std::size_t count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (count == n) {
                return text.substr(0, i);
            }
            ++count;
        }
    }
    return text;
}

std::string stripPrefixes(std::string_view text) {
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '&') {
            if (i + 1 < text.size() && text[i + 1] == '&') {
                shown += '&';
                ++i;
            }
            continue;
        }
        shown += text[i];
    }
    return shown;
}

TextPlacement placeText(const Rect& rect, std::string_view text, TextFlags flags,
                        std::int32_t lineHeight, const LineMeasure& measure) {
    TextPlacement placement;
    if (text.empty()) {
        return placement;
    }
    const LineMeasure width = [&](std::string_view line) {
        return (flags & TextNoPrefix) ? measure(line) : measure(stripPrefixes(line));
    };
    const std::vector<std::string_view> lines = breakLines(text, flags, rect.width(), width);
    placement.height = static_cast<std::int32_t>(lines.size()) * lineHeight;
    std::int32_t y = rect.top;
    if (flags & TextVCentre) {
        y += (rect.height() - placement.height) / 2;
    }
    for (std::string_view line : lines) {
        const std::int32_t w = width(line);
        std::int32_t x = rect.left;
        if (flags & TextCentre) {
            x += (rect.width() - w) / 2;
        } else if (flags & TextRight) {
            x = rect.right - w;
        }
        const Rect box{x, y, x + w, y + lineHeight};
        placement.lines.push_back(PlacedLine{line, box});
        if (placement.lines.size() == 1) {
            placement.bounds = box;
        } else {
            placement.bounds.left = std::min(placement.bounds.left, box.left);
            placement.bounds.right = std::max(placement.bounds.right, box.right);
            placement.bounds.bottom = box.bottom;
        }
        y += lineHeight;
    }
    return placement;
}

std::int32_t widestWordWidth(std::string_view text, const LineMeasure& measure) {
    std::int32_t widest = 0;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= text.size(); ++i) {
        const bool ends =
            i == text.size() || isBlank(text[i]) || text[i] == '\r' || text[i] == '\n';
        if (ends) {
            if (i > start) {
                widest = std::max(widest, measure(text.substr(start, i - start)));
            }
            start = i + 1;
        }
    }
    return widest;
}

std::string cutWithEllipsis(std::string_view text, std::int32_t maxWidth,
                            const LineMeasure& measure) {
    if (measure(text) <= maxWidth) {
        return std::string(text);
    }
    static constexpr std::string_view kEllipsis = "\u2026";
    std::string best(kEllipsis);
    for (std::size_t n = 1; n < characterCount(text); ++n) {
        std::string candidate(firstCharacters(text, n));
        candidate += kEllipsis;
        if (measure(candidate) > maxWidth) {
            break;
        }
        best = std::move(candidate);
    }
    return best;
}

FontSpec shrinkFontToFit(DrawingSurface& surface, FontSpec font, std::int32_t minPoints,
                         std::int32_t maxWidth, const std::function<std::int32_t()>& width) {
    surface.setFont(font);
    while (font.points > minPoints && width() > maxWidth) {
        --font.points;
        surface.setFont(font);
    }
    return font;
}

} // namespace veltrano
