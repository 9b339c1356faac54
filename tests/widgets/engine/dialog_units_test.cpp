#include "widgets/engine/dialog_units.h"

#include <gtest/gtest.h>

#include <string>

namespace veltrano {
namespace {

TEST(DialogUnits, BaseUnitsAndConversionRoundLikeTheDialogManager) {
    // 52 letters 312 pixels wide: 312 / 26 = 12, (12 + 1) / 2 = 6.
    const DialogBaseUnits base = dialogBaseUnits(312, 13);
    EXPECT_EQ(base.x, 6);
    EXPECT_EQ(base.y, 13);
    EXPECT_EQ(dialogBaseUnits(0, 0).x, 1); // a font that measures nothing still maps

    EXPECT_EQ(dialogUnitsToPixelsX(274, base), 411); // 274 * 6 / 4
    EXPECT_EQ(dialogUnitsToPixelsY(63, base), 102);  // 102.375
    EXPECT_EQ(dialogUnitsToPixelsY(5, base), 8);     // 8.125
    EXPECT_EQ(dialogUnitsToPixelsY(4, base), 7);     // 6.5 rounds up
    EXPECT_EQ(mulDivRound(-3, 13, 8), -5);           // -4.875
    EXPECT_EQ(mulDivRound(1, 1, 0), 0);

    const Rect r = dialogRectToPixels(10, 8, 254, 28, base);
    EXPECT_EQ(r, (Rect{15, 13, 15 + 381, 13 + 46}));
}

TEST(DialogUnits, WideningTagsAreRemovedWhereverTheyStand) {
    EXPECT_EQ(stripWideningTags("<html><strong>Fett</strong> und <link>hier</link>"),
              "Fett und hier");
    EXPECT_EQ(stripWideningTags("<text>A</big><line>"), "A");
    // Other tags are measured as written; the comparison is exact.
    EXPECT_EQ(stripWideningTags("<b>x<HTML>"), "<b>x<HTML>");
}

// Every character is 5 pixels wide.
int measureFive(std::string_view text) {
    return static_cast<int>(text.size()) * 5;
}

TEST(DialogUnits, TranslatedCaptionWidensOnlyWhereTheRuleAllows) {
    struct Case {
        const char* name;
        WideningInput input;
        int width;
    };
    const Case cases[] = {
        // "Save as picture" 15 chars: 75 + 5 for "0" = 80.
        {"static 20 high", {"Speichern", "Save as picture", 50, 20}, 80},
        {"check box", {"Speichern", "Save as picture", 50, 20, false, true}, 95},
        {"already wide enough", {"Speichern", "Save as picture", 90, 20}, 90},
        {"combo box", {"Speichern", "Save as picture", 50, 20, true}, 50},
        {"25 pixels high", {"Speichern", "Save as picture", 50, 25}, 50},
        {"24 pixels high", {"Speichern", "Save as picture", 50, 24}, 80},
        {"dialog flag", {"Speichern", "Save as picture", 50, 20, false, false, true}, 50},
        {"empty template caption", {"", "Save as picture", 50, 20}, 50},
        {"not longer", {"Speichern", "Save as!!", 20, 20}, 20},
        // Length in characters: "Größe" (5) to "Größen" (6) widens.
        {"utf-8 counted in characters", {"Größe", "Größen", 10, 20}, 45},
        // Tags count for the length test but not for the measure.
        {"tags left out", {"<html>Ja", "<html><strong>Yes</strong>", 10, 20}, 20},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(widenedControlWidth(c.input, measureFive), c.width);
    }
}

} // namespace
} // namespace veltrano
