#include "document/calendar_document.h"

#include "core/date_value.h"

#include <gtest/gtest.h>

namespace veltrano {
namespace {

DateValue date(int d, int m, int y) {
    return DateValue{d, m, y};
}

TEST(CalendarDocument, NewDocumentHasTheDefaults) {
    CalendarDocument doc;
    doc.fontSize = 30;
    doc.dayText[3][4] = "x";
    doc.dayColour[11][30] = 4;
    doc.monthPhoto[0] = "a.jpg";
    doc.untitled = 0;
    doc.modified = 1;
    resetDocument(doc);

    EXPECT_EQ(doc.margins, (MarginRect{25, 30, 25, 20}));
    EXPECT_EQ(doc.fontSize, 12);
    EXPECT_EQ(doc.showHolidays, 1);
    EXPECT_EQ(doc.region, 0);
    EXPECT_EQ(doc.dayFrames, 0);
    EXPECT_EQ(doc.untitled, 1);
    EXPECT_EQ(doc.modified, 0);
    EXPECT_TRUE(doc.titlePhoto.empty() && doc.titleText.empty());
    for (int m = 0; m < kMonthCount; ++m) {
        EXPECT_TRUE(doc.monthPhoto[m].empty() && doc.monthText[m].empty());
        for (int d = 0; d < kDaySlotCount; ++d) {
            EXPECT_TRUE(doc.dayText[m][d].empty());
            EXPECT_EQ(doc.dayColour[m][d], 0);
        }
    }
}

TEST(CalendarDocument, ClearDayEntriesKeepsPhotosCaptionsTitleAndSettings) {
    CalendarDocument doc;
    doc.monthPhoto[2] = "maerz.jpg";
    doc.monthText[2] = "Frühling";
    doc.titlePhoto = "titel.jpg";
    doc.titleText = "Mein\r\nKalender";
    doc.margins = {1, 2, 3, 4};
    doc.fontSize = 20;
    doc.region = 7;
    doc.dayFrames = 1;
    doc.showHolidays = 0;
    doc.untitled = 0;
    doc.modified = 1;
    CalendarDocument expected = doc;
    doc.dayText[0][0] = "Neujahr";
    doc.dayText[11][30] = "Silvester";
    doc.dayColour[5][10] = 3;

    clearDayEntries(doc);
    EXPECT_EQ(doc, expected);
}

struct FillCase {
    const char* name;
    DateValue first, last;
    std::vector<std::pair<int, int>> written; // (month 1..12, day 1..31)
};

TEST(CalendarDocument, FillDayRangeWritesEachDayOfTheRange) {
    const FillCase cases[] = {
        {"leap year end of February",
         date(28, 2, 2024),
         date(1, 3, 2024),
         {{2, 28}, {2, 29}, {3, 1}}},
        {"common year end of February", date(28, 2, 2023), date(1, 3, 2023), {{2, 28}, {3, 1}}},
        {"one day", date(15, 1, 2023), date(15, 1, 2023), {{1, 15}}},
        {"over the year end",
         date(30, 12, 2023),
         date(2, 1, 2024),
         {{12, 30}, {12, 31}, {1, 1}, {1, 2}}},
        {"first after last", date(2, 1, 2024), date(1, 1, 2024), {}},
        {"empty first", DateValue{}, date(1, 1, 2024), {}},
        {"empty last", date(1, 1, 2024), DateValue{}, {}},
    };
    for (const FillCase& c : cases) {
        SCOPED_TRACE(c.name);
        CalendarDocument doc;
        fillDayRange(doc, c.first, c.last, std::string("Urlaub"), DayColour::Green);
        CalendarDocument expected;
        for (auto [m, d] : c.written) {
            expected.dayText[m - 1][d - 1] = "Urlaub";
            expected.dayColour[m - 1][d - 1] = 4;
        }
        EXPECT_EQ(doc, expected);
    }
}

TEST(CalendarDocument, FillDayRangeSetsOnlyWhatIsGiven) {
    CalendarDocument doc;
    doc.dayText[0][0] = "alt";
    doc.dayColour[0][0] = 2;
    doc.dayText[0][1] = "alt";
    doc.dayColour[0][1] = 2;

    fillDayRange(doc, date(1, 1, 2024), date(1, 1, 2024), std::nullopt, DayColour::Blue);
    fillDayRange(doc, date(2, 1, 2024), date(2, 1, 2024), std::string(), std::nullopt);
    EXPECT_EQ(doc.dayText[0][0], "alt");
    EXPECT_EQ(doc.dayColour[0][0], 1);
    EXPECT_EQ(doc.dayText[0][1], "");
    EXPECT_EQ(doc.dayColour[0][1], 2);
}

TEST(CalendarDocument, FillDayRangeOverManyYearsFillsEverySlotOnce) {
    CalendarDocument doc;
    fillDayRange(doc, date(1, 1, 1900), date(31, 12, 2100), std::nullopt, DayColour::Red);
    // Over the years every day of a leap year occurs: 31 slots, 29 in February
    // and 30 in April, June, September and November.
    const int lengths[kMonthCount] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    for (int m = 0; m < kMonthCount; ++m)
        for (int d = 0; d < kDaySlotCount; ++d) {
            const bool exists = d < lengths[m];
            EXPECT_EQ(doc.dayColour[m][d], exists ? 2 : 0) << m << "/" << d;
        }
}

} // namespace
} // namespace veltrano
