#include "widgets/engine/message_box_rules.h"

#include "core/message_presenter.h"
#include "core/strings.h"

#include <algorithm>
#include <cstdint>

namespace veltrano {

namespace {

constexpr int kBothLowBits = 0x3;
constexpr int kMinimumTextHeight = 40;
constexpr int kTextMargin = 20;
constexpr int kLargestStep = 200;
constexpr int kLargeGrowth = 300;

} // namespace

MessageBoxButtons messageBoxButtons(int style) {
    const bool both = (style & kBothLowBits) == kBothLowBits;
    const bool cancel = (style & MessageStyle::OkCancel) != 0 || both;
    const bool yesNo = (style & MessageStyle::YesNo) != 0 || both;

    MessageBoxButtons buttons;
    buttons.yesNo = yesNo;
    if (yesNo) {
        buttons.results = {MessageResult::Yes, MessageResult::No,
                           cancel ? MessageResult::Cancel : 0};
    } else {
        buttons.results = {MessageResult::Ok, cancel ? MessageResult::Cancel : 0, 0};
    }

    if ((style & MessageStyle::DefButton2) != 0) {
        buttons.defaultSlot = 1;
    } else if ((style & MessageStyle::DefButton3) != 0) {
        buttons.defaultSlot = 2;
    }
    // A hidden button cannot be the default: Enter would end the box with no
    // valid answer. The first button takes its place.
    if (buttons.results[static_cast<std::size_t>(buttons.defaultSlot)] == 0) {
        buttons.defaultSlot = 0;
    }
    return buttons;
}

int messageBoxSymbol(int style) {
    if ((style & MessageStyle::IconQuestion) != 0) {
        return 1;
    }
    if ((style & MessageStyle::IconInformation) != 0) {
        return 0;
    }
    if ((style & MessageStyle::IconHand) != 0) {
        return 2;
    }
    return 3;
}

std::string messageBoxMarkup(int symbol, std::string_view message) {
    const std::string formatted =
        formatText("<img%d><tab40>%s", {std::int64_t{symbol}, std::string(message)});
    constexpr std::string_view kBreak = "<br>";
    constexpr std::string_view kIndentedBreak = "<br><tab40>";
    std::string result;
    result.reserve(formatted.size());
    std::size_t start = 0;
    for (std::size_t at = formatted.find(kBreak); at != std::string::npos;
         at = formatted.find(kBreak, start)) {
        result.append(formatted, start, at - start);
        result.append(kIndentedBreak);
        start = at + kBreak.size();
    }
    result.append(formatted, start, std::string::npos);
    return result;
}

std::array<int, 3> messageButtonRow(int count, int buttonWidth, int clientWidth) {
    std::array<int, 3> left = {0, 0, 0};
    const int n = std::clamp(count, 1, 3);
    const int rowWidth = n * buttonWidth + (n - 1) * kMessageButtonGap;
    const int first = (clientWidth - rowWidth) / 2;
    for (int i = 0; i < n; ++i) {
        left[static_cast<std::size_t>(i)] = first + i * (buttonWidth + kMessageButtonGap);
    }
    return left;
}

int messageBoxGrowth(int textHeight, int clientHeight) {
    const int needed = std::max(textHeight, kMinimumTextHeight) + kTextMargin;
    if (clientHeight >= needed) {
        return 0;
    }
    const int delta = needed - clientHeight;
    return delta > kLargestStep ? kLargeGrowth : delta;
}

} // namespace veltrano
