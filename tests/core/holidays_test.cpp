#include "core/holidays.h"

#include <gtest/gtest.h>

#include <set>

namespace veltrano {
namespace {

DateValue make(std::int32_t d, std::int32_t m, std::int32_t y) {
    DateValue date;
    date.day = d;
    date.month = m;
    date.year = y;
    return date;
}

HolidayList listFor(std::int32_t region, std::int32_t year) {
    HolidayList list;
    list.region = region;
    list.setRegionDefaults();
    list.computeDates(year);
    return list;
}

// The date the region's list gives for that holiday number; empty when absent.
DateValue dateOf(const HolidayList& list, std::int32_t number) {
    for (std::int32_t i = 0; i < list.count(); ++i) {
        if (list.holidayNumber(i) == number) {
            return list.date(i);
        }
    }
    return {};
}

TEST(HolidayList, NorthRhineWestphaliaIn2024InListOrder) {
    const HolidayList list = listFor(9, 2024);
    const DateValue expected[] = {make(1, 1, 2024),   make(1, 5, 2024),   make(3, 10, 2024),
                                  make(25, 12, 2024), make(26, 12, 2024), make(1, 11, 2024),
                                  make(29, 3, 2024),  make(31, 3, 2024),  make(1, 4, 2024),
                                  make(9, 5, 2024),   make(19, 5, 2024),  make(20, 5, 2024),
                                  make(30, 5, 2024)};
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
        {1, 6, make(15, 8, 2024)},    {1, 10, make(18, 4, 2025)},   {1, 13, make(29, 5, 2025)},
        {0, 16, make(19, 6, 2025)},   {3, 7, make(31, 10, 2025)},   {12, 9, make(20, 11, 2024)},
        {12, 9, make(19, 11, 2025)},  {13, 5, make(6, 1, 2025)},    {16, 17, make(26, 10, 2024)},
        {16, 18, make(8, 12, 2025)},  {17, 19, make(1, 8, 2025)},   {18, 20, make(30, 4, 2024)},
        {18, 20, make(29, 4, 2006)},  {18, 21, make(5, 5, 2025)},   {19, 23, make(21, 7, 2024)},
        {19, 22, make(11, 11, 2025)}, {21, 24, make(15, 1, 2024)},  {21, 24, make(20, 1, 2025)},
        {21, 25, make(19, 2, 2024)},  {21, 25, make(17, 2, 2025)},  {21, 26, make(27, 5, 2024)},
        {21, 26, make(26, 5, 2025)},  {21, 28, make(2, 9, 2024)},   {21, 28, make(1, 9, 2025)},
        {21, 29, make(14, 10, 2024)}, {21, 29, make(13, 10, 2025)}, {21, 31, make(28, 11, 2024)},
        {21, 31, make(27, 11, 2025)}, {22, 32, make(22, 4, 2024)},  {22, 32, make(21, 4, 2025)},
        {22, 34, make(5, 8, 2024)},   {22, 35, make(2, 9, 2024)},   {22, 36, make(13, 10, 2025)},
        {22, 38, make(1, 11, 2025)},  {22, 33, make(1, 7, 2025)},   {23, 37, make(4, 8, 2025)},
        {23, 35, make(1, 9, 2025)},   {24, 40, make(5, 8, 2024)},   {24, 39, make(17, 2, 2025)},
        {25, 41, make(19, 8, 2024)},  {25, 41, make(18, 8, 2025)},  {26, 42, make(26, 1, 2025)},
        {26, 43, make(25, 4, 2024)},  {26, 44, make(10, 6, 2024)},  {26, 44, make(9, 6, 2025)},
        {26, 35, make(6, 10, 2024)},  {27, 46, make(15, 5, 2025)},  {28, 35, make(3, 3, 2024)},
        {29, 35, make(10, 3, 2024)},  {29, 47, make(1, 11, 2025)},  {30, 45, make(20, 3, 2025)},
        {31, 35, make(10, 3, 2025)},  {32, 35, make(6, 10, 2025)},  {33, 35, make(6, 5, 2024)},
        {34, 35, make(5, 5, 2025)},   {35, 50, make(6, 5, 2024)},   {35, 51, make(26, 5, 2025)},
        {35, 54, make(26, 8, 2024)},  {35, 54, make(25, 8, 2025)},  {36, 48, make(2, 1, 2025)},
        {36, 54, make(5, 8, 2024)},   {36, 56, make(30, 11, 2024)}, {37, 49, make(17, 3, 2025)},
        {37, 35, make(6, 5, 2024)},   {37, 53, make(12, 7, 2025)},  {37, 54, make(25, 8, 2025)},
        {38, 52, make(3, 6, 2024)},   {38, 52, make(2, 6, 2025)},   {38, 54, make(4, 8, 2025)},
        {38, 55, make(28, 10, 2024)}, {38, 55, make(27, 10, 2025)}, {38, 35, make(5, 5, 2025)},
        {39, 57, make(6, 2, 2025)},   {39, 35, make(28, 10, 2024)}, {39, 35, make(27, 10, 2025)},
        {40, 58, make(8, 5, 2025)},   {40, 59, make(14, 7, 2024)},  {41, 61, make(2, 6, 2025)},
        {41, 60, make(25, 4, 2024)},  {42, 64, make(28, 3, 2024)},  {42, 64, make(17, 4, 2025)},
        {42, 62, make(12, 10, 2025)}, {42, 63, make(6, 12, 2024)},  {20, 9, make(20, 11, 2024)},
    };
    for (const Expected& c : cases) {
        const HolidayList list = listFor(c.region, c.date.year);
        EXPECT_EQ(dateOf(list, c.number), c.date)
            << "region " << c.region << " holiday " << c.number;
    }
}

TEST(HolidayList, RegionVariantsOfLabourDayAndSummerBankHoliday) {
    HolidayList list;
    const Expected cases[] = {
        {22, 35, make(2, 9, 2024)},  {39, 35, make(28, 10, 2024)}, {26, 35, make(6, 10, 2024)},
        {29, 35, make(10, 3, 2024)}, {0, 35, make(6, 10, 2024)},   {-1, 35, make(6, 10, 2024)},
        {35, 54, make(26, 8, 2024)}, {36, 54, make(5, 8, 2024)},   {20, 54, make(26, 8, 2024)},
    };
    for (const Expected& c : cases) {
        list.region = c.region;
        EXPECT_EQ(list.holidayDate(c.number, 2024), c.date) << c.region << ' ' << c.number;
    }
}

TEST(HolidayList, SingleRulesAtTheirEdges) {
    HolidayList list;
    EXPECT_EQ(list.holidayDate(9, 2023), make(15, 11, 2023));
    EXPECT_EQ(list.holidayDate(9, 2025), make(19, 11, 2025));
    EXPECT_EQ(list.holidayDate(20, 2006), make(29, 4, 2006));
    EXPECT_EQ(list.holidayDate(32, 2024), make(22, 4, 2024));
    EXPECT_EQ(list.holidayDate(26, 2024), make(27, 5, 2024));
    EXPECT_EQ(list.holidayDate(64, 2024), make(28, 3, 2024));
    EXPECT_EQ(list.holidayDate(11, 2100), make(28, 3, 2100));
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
