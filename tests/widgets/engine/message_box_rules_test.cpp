#include "widgets/engine/message_box_rules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace veltrano {
namespace {

struct StyleCase {
    int style;
    std::array<int, 3> results;
    bool yesNo;
    int defaultSlot;
    int symbol;
};

TEST(MessageBoxRules, ButtonsDefaultAndSymbolFollowTheStyle) {
    const StyleCase cases[] = {
        {0x0, {1, 0, 0}, false, 0, 3},   // OK only
        {0x1, {1, 2, 0}, false, 0, 3},   // OK, cancel
        {0x3, {6, 7, 2}, true, 0, 3},    // yes, no, cancel
        {0x4, {6, 7, 0}, true, 0, 3},    // yes, no
        {0x5, {6, 7, 2}, true, 0, 3},    // yes/no bit with the cancel bit
        {0x121, {1, 2, 0}, false, 1, 1}, // OK, cancel as default, question
        {0x30, {1, 0, 0}, false, 0, 1},  // exclamation shows the question symbol
        {0x40, {1, 0, 0}, false, 0, 0},  // information
        {0x10, {1, 0, 0}, false, 0, 2},  // stop
        {0x50, {1, 0, 0}, false, 0, 0},  // information wins over stop
        {0x203, {6, 7, 2}, true, 2, 3},  // third button as default
        {0x303, {6, 7, 2}, true, 1, 3},  // second default bit is tried first
        {0x204, {6, 7, 0}, true, 0, 3},  // hidden third button is not the default
        {0x100, {1, 0, 0}, false, 0, 3}, // hidden second button is not the default
    };
    for (const StyleCase& c : cases) {
        SCOPED_TRACE(c.style);
        const MessageBoxButtons buttons = messageBoxButtons(c.style);
        EXPECT_EQ(buttons.results, c.results);
        EXPECT_EQ(buttons.yesNo, c.yesNo);
        EXPECT_EQ(buttons.defaultSlot, c.defaultSlot);
        EXPECT_EQ(messageBoxSymbol(c.style), c.symbol);
    }
}

TEST(MessageBoxRules, ButtonRowIsCentredWithEightPixelGaps) {
    struct Case {
        int count, width, client;
        std::array<int, 3> left;
    };
    const Case cases[] = {
        {1, 75, 411, {168, 0, 0}},    // (411 - 75) / 2
        {2, 75, 411, {126, 209, 0}},  // (411 - 158) / 2
        {3, 75, 411, {85, 168, 251}}, // (411 - 241) / 2
        {2, 100, 100, {-54, 54, 0}},  // wider than the client: truncated toward zero
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(messageButtonRow(c.count, c.width, c.client), c.left);
    }
}

TEST(MessageBoxRules, GrowthByDeltaOrThreeHundred) {
    struct Case {
        int textHeight, clientHeight, growth;
    };
    const Case cases[] = {
        {10, 60, 0}, // short texts count as 40 pixels: 60 fit
        {10, 59, 1},      {40, 60, 0},    {41, 60, 1}, {190, 60, 150}, // 150 more
        {240, 60, 200},                   // exactly 200 is still grown by itself
        {241, 60, 300},   {290, 60, 300}, // 250 more become 300
        {32767, 60, 300},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.textHeight);
        EXPECT_EQ(messageBoxGrowth(c.textHeight, c.clientHeight), c.growth);
    }
}

TEST(MessageBoxRules, MarkupIndentsEveryLineRightOfTheSymbol) {
    EXPECT_EQ(messageBoxMarkup(3, ""), "<img3><tab40>");
    EXPECT_EQ(messageBoxMarkup(1, "eins<br>zwei<br>drei"),
              "<img1><tab40>eins<br><tab40>zwei<br><tab40>drei");
    // Only the exact form breaks a line; percent signs in the message stay text.
    EXPECT_EQ(messageBoxMarkup(0, "<BR>100%s<br>"), "<img0><tab40><BR>100%s<br><tab40>");
}

} // namespace
} // namespace veltrano
