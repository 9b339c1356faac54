#include "widgets/engine/dialog_units.h"

#include <array>
#include <cstdint>

namespace veltrano {

namespace {

constexpr int kLetterCount = 26;

// Characters of a UTF-8 text: every byte that does not continue a sequence.
std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (char c : text) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++count;
        }
    }
    return count;
}

void removeAll(std::string& text, std::string_view tag) {
    for (std::size_t at = text.find(tag); at != std::string::npos; at = text.find(tag, at)) {
        text.erase(at, tag.size());
    }
}

} // namespace

DialogBaseUnits dialogBaseUnits(int alphabetWidth, int lineHeight) {
    DialogBaseUnits base;
    base.x = (alphabetWidth / kLetterCount + 1) / 2;
    base.y = lineHeight;
    if (base.x < 1) {
        base.x = 1;
    }
    if (base.y < 1) {
        base.y = 1;
    }
    return base;
}

int mulDivRound(int x, int numerator, int denominator) {
    if (denominator == 0) {
        return 0;
    }
    const std::int64_t product = static_cast<std::int64_t>(x) * numerator;
    const std::int64_t half = (denominator > 0 ? denominator : -denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient = magnitude / (denominator > 0 ? denominator : -denominator);
    return static_cast<int>(negative ? -quotient : quotient);
}

int dialogUnitsToPixelsX(int units, DialogBaseUnits base) {
    return mulDivRound(units, base.x, 4);
}

int dialogUnitsToPixelsY(int units, DialogBaseUnits base) {
    return mulDivRound(units, base.y, 8);
}

Rect dialogRectToPixels(int x, int y, int width, int height, DialogBaseUnits base) {
    // Position and size are converted each on its own, as dialogs are created.
    const int left = dialogUnitsToPixelsX(x, base);
    const int top = dialogUnitsToPixelsY(y, base);
    return Rect{left, top, left + dialogUnitsToPixelsX(width, base),
                top + dialogUnitsToPixelsY(height, base)};
}

std::string stripWideningTags(std::string_view caption) {
    static constexpr std::array<std::string_view, 8> kTags = {
        "<text>", "<html>", "<line>", "<strong>", "</strong>", "</big>", "<link>", "</link>"};
    std::string text(caption);
    for (std::string_view tag : kTags) {
        removeAll(text, tag);
    }
    return text;
}

int widenedControlWidth(const WideningInput& input,
                        const std::function<int(std::string_view)>& measure) {
    if (input.dialogFlag || input.comboBox || input.templateCaption.empty() ||
        input.height >= kWideningHeightLimit ||
        characterCount(input.translatedCaption) <= characterCount(input.templateCaption)) {
        return input.width;
    }
    int needed = measure(stripWideningTags(input.translatedCaption)) + measure("0");
    if (input.checkBox) {
        needed += kCheckBoxAllowance;
    }
    return input.width < needed ? needed : input.width;
}

} // namespace veltrano
