#include "core/holidays.h"

#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <set>

namespace veltrano {
namespace {

HolidayList listFor(std::int32_t region, std::int32_t year) {
    HolidayList list;
    list.region = region;
    list.setRegionDefaults();
    list.computeDates(year);
    return list;
}

// The date the region's list gives for that holiday number; empty when absent.
DateValue holidayDateIn(const HolidayList& list, std::int32_t number) {
    for (std::int32_t i = 0; i < list.count(); ++i) {
        if (list.holidayNumber(i) == number) {
            return list.date(i);
        }
    }
    return {};
}

TEST(HolidayList, NorthRhineWestphaliaIn2024InListOrder) {
    const HolidayList list = listFor(9, 2024);
    const DateValue expected[] = {dateOf(1, 1, 2024),   dateOf(1, 5, 2024),   dateOf(3, 10, 2024),
                                  dateOf(25, 12, 2024), dateOf(26, 12, 2024), dateOf(1, 11, 2024),
                                  dateOf(29, 3, 2024),  dateOf(31, 3, 2024),  dateOf(1, 4, 2024),
                                  dateOf(9, 5, 2024),   dateOf(19, 5, 2024),  dateOf(20, 5, 2024),
                                  dateOf(30, 5, 2024)};
    ASSERT_EQ(list.count(), 13);
    for (int i = 0; i < 13; ++i) {
        EXPECT_EQ(list.date(i), expected[i]) << "entry " << i;
    }
    EXPECT_EQ(list.holidayName(0), "Neujahr");
    EXPECT_EQ(list.holidayName(12), "Fronleichnam");
}

TEST(HolidayList, ListLengthsOfEveryRegion) {
    const int lengths[holidayRegionCount] = {
        14, 15, 11, 12, 11, 11, 12, 12, 11, 13, 13, 14, 14, 13, 11, 13, 16, 10, 11, 11, 65, 10,
        12, 12, 13, 13, 10, 11, 9,  11, 11, 10, 10, 10, 10, 9,  10, 11, 10, 10, 15, 12, 13};
    for (int region = 0; region < holidayRegionCount; ++region) {
        EXPECT_EQ(listFor(region, 2024).count(), lengths[region]) << "region " << region;
    }
}

TEST(HolidayList, RegionsOutsideTheTableListEveryHoliday) {
    for (int region : {20, 43, -1, 1000}) {
        const HolidayList list = listFor(region, 2024);
        ASSERT_EQ(list.count(), holidayCount) << region;
        for (int i = 0; i < holidayCount; ++i) {
            EXPECT_EQ(list.holidayNumber(i), i);
        }
    }
}

// Every region and year the program offers: a date for every entry, in that year.
TEST(HolidayList, EveryEntryHasADateInTheYear) {
    for (int region = -1; region <= holidayRegionCount; ++region) {
        for (int year = 1900; year <= 2100; ++year) {
            const HolidayList list = listFor(region, year);
            for (int i = 0; i < list.count(); ++i) {
                const DateValue date = list.date(i);
                ASSERT_FALSE(date.isEmpty()) << region << ' ' << year << ' ' << i;
                ASSERT_EQ(date.year, year) << region << ' ' << year << ' ' << i;
                ASSERT_TRUE(date.isValid());
            }
        }
    }
}

struct Expected {
    std::int32_t region;
    std::int32_t number;
    DateValue date;
};

// Region-specific holidays for two years, checked against a printed calendar.
TEST(HolidayList, RegionHolidaysOnRealDates) {
    const Expected cases[] = {
        {1, 6, dateOf(15, 8, 2024)},    {1, 10, dateOf(18, 4, 2025)},
        {1, 13, dateOf(29, 5, 2025)},   {0, 16, dateOf(19, 6, 2025)},
        {3, 7, dateOf(31, 10, 2025)},   {12, 9, dateOf(20, 11, 2024)},
        {12, 9, dateOf(19, 11, 2025)},  {13, 5, dateOf(6, 1, 2025)},
        {16, 17, dateOf(26, 10, 2024)}, {16, 18, dateOf(8, 12, 2025)},
        {17, 19, dateOf(1, 8, 2025)},   {18, 20, dateOf(30, 4, 2024)},
        {18, 20, dateOf(29, 4, 2006)},  {18, 21, dateOf(5, 5, 2025)},
        {19, 23, dateOf(21, 7, 2024)},  {19, 22, dateOf(11, 11, 2025)},
        {21, 24, dateOf(15, 1, 2024)},  {21, 24, dateOf(20, 1, 2025)},
        {21, 25, dateOf(19, 2, 2024)},  {21, 25, dateOf(17, 2, 2025)},
        {21, 26, dateOf(27, 5, 2024)},  {21, 26, dateOf(26, 5, 2025)},
        {21, 28, dateOf(2, 9, 2024)},   {21, 28, dateOf(1, 9, 2025)},
        {21, 29, dateOf(14, 10, 2024)}, {21, 29, dateOf(13, 10, 2025)},
        {21, 31, dateOf(28, 11, 2024)}, {21, 31, dateOf(27, 11, 2025)},
        {22, 32, dateOf(22, 4, 2024)},  {22, 32, dateOf(21, 4, 2025)},
        {22, 34, dateOf(5, 8, 2024)},   {22, 35, dateOf(2, 9, 2024)},
        {22, 36, dateOf(13, 10, 2025)}, {22, 38, dateOf(1, 11, 2025)},
        {22, 33, dateOf(1, 7, 2025)},   {23, 37, dateOf(4, 8, 2025)},
        {23, 35, dateOf(1, 9, 2025)},   {24, 40, dateOf(5, 8, 2024)},
        {24, 39, dateOf(17, 2, 2025)},  {25, 41, dateOf(19, 8, 2024)},
        {25, 41, dateOf(18, 8, 2025)},  {26, 42, dateOf(26, 1, 2025)},
        {26, 43, dateOf(25, 4, 2024)},  {26, 44, dateOf(10, 6, 2024)},
        {26, 44, dateOf(9, 6, 2025)},   {26, 35, dateOf(6, 10, 2024)},
        {27, 46, dateOf(15, 5, 2025)},  {28, 35, dateOf(3, 3, 2024)},
        {29, 35, dateOf(10, 3, 2024)},  {29, 47, dateOf(1, 11, 2025)},
        {30, 45, dateOf(20, 3, 2025)},  {31, 35, dateOf(10, 3, 2025)},
        {32, 35, dateOf(6, 10, 2025)},  {33, 35, dateOf(6, 5, 2024)},
        {34, 35, dateOf(5, 5, 2025)},   {35, 50, dateOf(6, 5, 2024)},
        {35, 51, dateOf(26, 5, 2025)},  {35, 54, dateOf(26, 8, 2024)},
        {35, 54, dateOf(25, 8, 2025)},  {36, 48, dateOf(2, 1, 2025)},
        {36, 54, dateOf(5, 8, 2024)},   {36, 56, dateOf(30, 11, 2024)},
        {37, 49, dateOf(17, 3, 2025)},  {37, 35, dateOf(6, 5, 2024)},
        {37, 53, dateOf(12, 7, 2025)},  {37, 54, dateOf(25, 8, 2025)},
        {38, 52, dateOf(3, 6, 2024)},   {38, 52, dateOf(2, 6, 2025)},
        {38, 54, dateOf(4, 8, 2025)},   {38, 55, dateOf(28, 10, 2024)},
        {38, 55, dateOf(27, 10, 2025)}, {38, 35, dateOf(5, 5, 2025)},
        {39, 57, dateOf(6, 2, 2025)},   {39, 35, dateOf(28, 10, 2024)},
        {39, 35, dateOf(27, 10, 2025)}, {40, 58, dateOf(8, 5, 2025)},
        {40, 59, dateOf(14, 7, 2024)},  {41, 61, dateOf(2, 6, 2025)},
        {41, 60, dateOf(25, 4, 2024)},  {42, 64, dateOf(28, 3, 2024)},
        {42, 64, dateOf(17, 4, 2025)},  {42, 62, dateOf(12, 10, 2025)},
        {42, 63, dateOf(6, 12, 2024)},  {20, 9, dateOf(20, 11, 2024)},
    };
    for (const Expected& c : cases) {
        const HolidayList list = listFor(c.region, c.date.year);
        EXPECT_EQ(holidayDateIn(list, c.number), c.date)
            << "region " << c.region << " holiday " << c.number;
    }
}

TEST(HolidayList, RegionVariantsOfLabourDayAndSummerBankHoliday) {
    HolidayList list;
    const Expected cases[] = {
        {22, 35, dateOf(2, 9, 2024)},  {39, 35, dateOf(28, 10, 2024)},
        {26, 35, dateOf(6, 10, 2024)}, {29, 35, dateOf(10, 3, 2024)},
        {0, 35, dateOf(6, 10, 2024)},  {-1, 35, dateOf(6, 10, 2024)},
        {35, 54, dateOf(26, 8, 2024)}, {36, 54, dateOf(5, 8, 2024)},
        {20, 54, dateOf(26, 8, 2024)},
    };
    for (const Expected& c : cases) {
        list.region = c.region;
        EXPECT_EQ(list.holidayDate(c.number, 2024), c.date) << c.region << ' ' << c.number;
    }
}

TEST(HolidayList, SingleRulesAtTheirEdges) {
    HolidayList list;
    EXPECT_EQ(list.holidayDate(9, 2023), dateOf(15, 11, 2023));
    EXPECT_EQ(list.holidayDate(9, 2025), dateOf(19, 11, 2025));
    EXPECT_EQ(list.holidayDate(20, 2006), dateOf(29, 4, 2006));
    EXPECT_EQ(list.holidayDate(32, 2024), dateOf(22, 4, 2024));
    EXPECT_EQ(list.holidayDate(26, 2024), dateOf(27, 5, 2024));
    EXPECT_EQ(list.holidayDate(64, 2024), dateOf(28, 3, 2024));
    EXPECT_EQ(list.holidayDate(11, 2100), dateOf(28, 3, 2100));
    EXPECT_TRUE(list.holidayDate(65, 2024).isEmpty());
    EXPECT_TRUE(list.holidayDate(-1, 2024).isEmpty());
    EXPECT_TRUE(list.holidayDate(11, 2101).isEmpty());
    EXPECT_TRUE(list.holidayDate(0, 2101).isEmpty());
}

TEST(HolidayList, OutOfRangeEntriesAndUncomputedDates) {
    HolidayList list;
    list.region = 2;
    list.setRegionDefaults();
    EXPECT_TRUE(list.date(0).isEmpty()); // not computed yet
    list.computeDates(2024);
    EXPECT_TRUE(list.date(-1).isEmpty());
    EXPECT_TRUE(list.date(list.count()).isEmpty());
    EXPECT_EQ(list.holidayName(-1), "");
    EXPECT_EQ(list.holidayName(list.count()), "");
    list.setRegionDefaults(); // clears the dates again
    EXPECT_TRUE(list.date(0).isEmpty());
}

TEST(HolidayList, NamesComeFromTheStringTable) {
    const HolidayList list = listFor(20, 2024);
    std::set<std::string> names;
    for (int i = 0; i < list.count(); ++i) {
        EXPECT_FALSE(list.holidayName(i).empty()) << i;
        names.insert(list.holidayName(i));
    }
    EXPECT_EQ(names.size(), 65u);
    EXPECT_EQ(list.holidayName(33), "Canada Day ");
    EXPECT_EQ(list.holidayName(64), "Gründonnerstag");
    EXPECT_EQ(list.holidayName(9), "Buss- und Bettag");
    EXPECT_EQ(regionName(0), "Deutschland (Baden-Württemberg)");
    EXPECT_EQ(regionName(42), "Spanien");
    EXPECT_EQ(regionName(43), "");
}

} // namespace
} // namespace veltrano
