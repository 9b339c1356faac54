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
    // Reformation Day (a holiday there in 2017 only) keeps its place, without a date.
    const DateValue expected[] = {dateOf(1, 1, 2024),   dateOf(1, 5, 2024),   dateOf(3, 10, 2024),
                                  dateOf(25, 12, 2024), dateOf(26, 12, 2024), DateValue{},
                                  dateOf(1, 11, 2024),  dateOf(29, 3, 2024),  dateOf(31, 3, 2024),
                                  dateOf(1, 4, 2024),   dateOf(9, 5, 2024),   dateOf(19, 5, 2024),
                                  dateOf(20, 5, 2024),  dateOf(30, 5, 2024)};
    ASSERT_EQ(list.count(), 14);
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(list.date(i), expected[i]) << "entry " << i;
    }
    EXPECT_EQ(list.holidayName(0), "Neujahr");
    EXPECT_EQ(list.holidayName(13), "Fronleichnam");
}

TEST(HolidayList, ListLengthsOfEveryRegion) {
    const int lengths[holidayRegionCount] = {
        15, 16, 13, 12, 12, 12, 13, 13, 12, 14, 14, 15, 14, 13, 12, 14, 16, 10, 12, 13, 73, 11,
        13, 12, 13, 13, 11, 12, 9,  12, 12, 11, 11, 11, 11, 9,  10, 11, 11, 13, 15, 12, 13};
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

// Every region and year the program offers: each entry has a date in that year
// or none (not observed that year); every region keeps its oldest holidays.
TEST(HolidayList, EveryEntryIsInTheYearOrNotObserved) {
    for (int region = -1; region <= holidayRegionCount; ++region) {
        for (int year = 1900; year <= 2100; ++year) {
            const HolidayList list = listFor(region, year);
            ASSERT_FALSE(list.date(0).isEmpty()) << region << ' ' << year; // New Year
            for (int i = 0; i < list.count(); ++i) {
                const DateValue date = list.date(i);
                if (date.isEmpty()) {
                    continue;
                }
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

// Region-specific holidays for two years, as published calendars of the
// region show them.
TEST(HolidayList, RegionHolidaysOnRealDates) {
    const Expected cases[] = {
        {1, 6, dateOf(15, 8, 2024)},    {1, 10, dateOf(18, 4, 2025)},
        {1, 13, dateOf(29, 5, 2025)},   {0, 16, dateOf(19, 6, 2025)},
        {3, 7, dateOf(31, 10, 2025)},   {12, 9, dateOf(20, 11, 2024)},
        {12, 9, dateOf(19, 11, 2025)},  {13, 5, dateOf(6, 1, 2025)},
        {16, 17, dateOf(26, 10, 2024)}, {16, 18, dateOf(8, 12, 2025)},
        {17, 19, dateOf(1, 8, 2025)},   {18, 65, dateOf(27, 4, 2024)},
        {18, 20, dateOf(29, 4, 2006)},  {18, 21, dateOf(5, 5, 2025)},
        {19, 23, dateOf(21, 7, 2024)},  {19, 22, dateOf(11, 11, 2025)},
        {21, 24, dateOf(15, 1, 2024)},  {21, 24, dateOf(20, 1, 2025)},
        {21, 25, dateOf(19, 2, 2024)},  {21, 25, dateOf(17, 2, 2025)},
        {21, 26, dateOf(27, 5, 2024)},  {21, 26, dateOf(26, 5, 2025)},
        {21, 28, dateOf(2, 9, 2024)},   {21, 28, dateOf(1, 9, 2025)},
        {21, 29, dateOf(14, 10, 2024)}, {21, 29, dateOf(13, 10, 2025)},
        {21, 31, dateOf(28, 11, 2024)}, {21, 31, dateOf(27, 11, 2025)},
        {22, 32, dateOf(20, 5, 2024)},  {22, 32, dateOf(19, 5, 2025)},
        {22, 34, dateOf(5, 8, 2024)},   {22, 35, dateOf(2, 9, 2024)},
        {22, 36, dateOf(13, 10, 2025)}, {22, 38, dateOf(11, 11, 2025)},
        {22, 33, dateOf(1, 7, 2025)},   {23, 37, dateOf(4, 8, 2025)},
        {23, 35, dateOf(1, 9, 2025)},   {24, 40, dateOf(5, 8, 2024)},
        {24, 39, dateOf(17, 2, 2025)},  {25, 41, dateOf(19, 8, 2024)},
        {25, 41, dateOf(18, 8, 2025)},  {26, 42, dateOf(26, 1, 2025)},
        {26, 43, dateOf(25, 4, 2024)},  {26, 66, dateOf(10, 6, 2024)},
        {26, 66, dateOf(9, 6, 2025)},   {26, 35, dateOf(7, 10, 2024)},
        {27, 46, dateOf(10, 3, 2025)},  {28, 35, dateOf(4, 3, 2024)},
        {29, 35, dateOf(11, 3, 2024)},  {29, 47, dateOf(4, 11, 2025)},
        {30, 45, dateOf(10, 3, 2025)},  {31, 35, dateOf(10, 3, 2025)},
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
        {26, 35, dateOf(7, 10, 2024)}, {29, 35, dateOf(11, 3, 2024)},
        {0, 35, dateOf(7, 10, 2024)},  {-1, 35, dateOf(7, 10, 2024)},
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
    EXPECT_EQ(list.holidayDate(9, 2023), dateOf(22, 11, 2023));
    EXPECT_EQ(list.holidayDate(9, 2025), dateOf(19, 11, 2025));
    EXPECT_EQ(list.holidayDate(20, 2006), dateOf(29, 4, 2006));
    EXPECT_EQ(list.holidayDate(32, 2024), dateOf(20, 5, 2024));
    EXPECT_EQ(list.holidayDate(26, 2024), dateOf(27, 5, 2024));
    EXPECT_EQ(list.holidayDate(64, 2024), dateOf(28, 3, 2024));
    EXPECT_EQ(list.holidayDate(11, 2100), dateOf(28, 3, 2100));
    EXPECT_TRUE(list.holidayDate(73, 2024).isEmpty());
    EXPECT_TRUE(list.holidayDate(-1, 2024).isEmpty());
    EXPECT_TRUE(list.holidayDate(11, 2101).isEmpty());
    EXPECT_TRUE(list.holidayDate(0, 2101).isEmpty());
}

struct ByLaw {
    std::int32_t region;
    std::int32_t number;
    std::int32_t year;
    std::int32_t day; // 0: the region does not have the holiday that year
    std::int32_t month;
};

// Every rule the law changed or added, in the years around each change, on the
// dates official calendars give.
TEST(HolidayList, HolidaysAsTheLawHadThemEachYear) {
    const ByLaw cases[] = {
        // Buss- und Bettag: the Wednesday before 23 November.
        {12, 9, 2017, 22, 11},
        {12, 9, 2023, 22, 11},
        {12, 9, 2022, 16, 11},
        {12, 9, 2024, 20, 11},
        // Queen's Day up to 2013, King's Day from 2014 (a Sunday moves back).
        {18, 20, 2013, 30, 4},
        {18, 20, 2014, 0, 0},
        {18, 65, 2013, 0, 0},
        {18, 65, 2014, 26, 4},
        {18, 65, 2025, 26, 4},
        {18, 65, 2027, 27, 4},
        // Victoria Day and Remembrance Day.
        {22, 32, 2026, 18, 5},
        {24, 32, 2021, 24, 5},
        {22, 38, 2024, 11, 11},
        {25, 38, 2026, 11, 11},
        // The sovereign's birthday: Queen's up to 2022, King's from 2023.
        {32, 44, 2022, 13, 6},
        {32, 66, 2022, 0, 0},
        {32, 66, 2023, 12, 6},
        {32, 44, 2023, 0, 0},
        {34, 44, 2015, 8, 6},
        {34, 44, 2016, 3, 10},
        {34, 44, 2017, 2, 10},
        {34, 66, 2024, 7, 10},
        {39, 44, 2022, 6, 6},
        {39, 66, 2023, 5, 6},
        {39, 66, 2024, 3, 6},
        // Canberra Day, Adelaide Cup, Melbourne Cup.
        {30, 45, 2007, 19, 3},
        {30, 45, 2008, 10, 3},
        {30, 45, 2024, 11, 3},
        {27, 46, 2005, 16, 5},
        {27, 46, 2006, 13, 3},
        {27, 46, 2024, 11, 3},
        {29, 47, 2023, 7, 11},
        {29, 47, 2024, 5, 11},
        {29, 47, 2025, 4, 11},
        // Labour Day in Australia and New Zealand.
        {32, 35, 2024, 7, 10},
        {27, 35, 2025, 6, 10},
        {30, 35, 2023, 2, 10},
        {31, 35, 2025, 10, 3},
        {29, 35, 2023, 13, 3},
        {28, 35, 2025, 3, 3},
        {34, 35, 2012, 7, 5},
        {34, 35, 2014, 6, 10},
        {34, 35, 2016, 2, 5},
        {39, 35, 2018, 22, 10},
        {39, 35, 2026, 26, 10},
        {39, 35, 2029, 22, 10},
        // Holidays the law added to regions.
        {4, 7, 2016, 0, 0},
        {4, 7, 2017, 31, 10},
        {14, 7, 2018, 31, 10},
        {1, 7, 2017, 31, 10},
        {1, 7, 2018, 0, 0},
        {2, 67, 2018, 0, 0},
        {2, 67, 2019, 8, 3},
        {7, 67, 2022, 0, 0},
        {7, 67, 2023, 8, 3},
        {15, 68, 2018, 0, 0},
        {15, 68, 2019, 20, 9},
        {19, 6, 2024, 15, 8},
        {19, 8, 1950, 1, 11},
        {21, 69, 2020, 0, 0},
        {21, 69, 2021, 19, 6},
        {22, 70, 2020, 0, 0},
        {22, 70, 2021, 30, 9},
        {38, 71, 2022, 0, 0},
        {38, 71, 2023, 6, 2},
        {38, 71, 2024, 5, 2},
        {38, 71, 2030, 1, 2},
        {39, 48, 2024, 2, 1},
        {39, 72, 2021, 0, 0},
        {39, 72, 2022, 24, 6},
        {39, 72, 2023, 14, 7},
        {39, 72, 2052, 21, 6},
        {39, 72, 2053, 0, 0},
    };
    for (const ByLaw& c : cases) {
        const HolidayList list = listFor(c.region, c.year);
        const DateValue expected = c.day == 0 ? DateValue{} : dateOf(c.day, c.month, c.year);
        EXPECT_EQ(holidayDateIn(list, c.number), expected)
            << "region " << c.region << " holiday " << c.number << " in " << c.year;
    }
}

// The all-holidays region lists a holiday only in the years it exists.
TEST(HolidayList, AllHolidaysRegionFollowsTheYears) {
    EXPECT_FALSE(holidayDateIn(listFor(20, 2013), 20).isEmpty());
    EXPECT_TRUE(holidayDateIn(listFor(20, 2013), 65).isEmpty());
    EXPECT_TRUE(holidayDateIn(listFor(20, 2014), 20).isEmpty());
    EXPECT_EQ(holidayDateIn(listFor(20, 2014), 65), dateOf(26, 4, 2014));
    EXPECT_TRUE(holidayDateIn(listFor(-1, 2018), 67).isEmpty());
    EXPECT_EQ(holidayDateIn(listFor(-1, 2019), 67), dateOf(8, 3, 2019));
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
    EXPECT_EQ(names.size(), 73u);
    EXPECT_EQ(list.holidayName(33), "Canada Day ");
    EXPECT_EQ(list.holidayName(64), "Gründonnerstag");
    EXPECT_EQ(list.holidayName(65), "Königstag");
    EXPECT_EQ(list.holidayName(72), "Matariki");
    EXPECT_EQ(list.holidayName(9), "Buss- und Bettag");
    EXPECT_EQ(regionName(0), "Deutschland (Baden-Württemberg)");
    EXPECT_EQ(regionName(42), "Spanien");
    EXPECT_EQ(regionName(43), "");
}

} // namespace
} // namespace veltrano
