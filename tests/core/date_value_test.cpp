#include "core/clock.h"
#include "core/date_value.h"
#include "core/time_of_day.h"

#include "tests/support/dates.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>

namespace veltrano {
namespace {

class FixedToday : public ::testing::Test {
  protected:
    void SetUp() override {
        setTodayProvider([] { return CivilDate{15, 6, 2026}; });
    }
    void TearDown() override { setTodayProvider({}); }
};

TEST(DateValue, SetCutsWidensAndRefuses) {
    struct Case {
        std::int32_t d, m, y;
        bool ok;
        DateValue expected;
    };
    const DateValue unchanged = dateOf(9, 9, 1999);
    const Case cases[] = {
        {29, 2, 2100, true, dateOf(29, 2, 2100)},
        {31, 2, 2023, true, dateOf(28, 2, 2023)},
        {31, 4, 2024, true, dateOf(30, 4, 2024)},
        {5, 3, 2101, false, unchanged},
        {5, 3, 7, true, dateOf(5, 3, 2007)},
        {5, 3, 45, true, dateOf(5, 3, 1945)},
        {1, 1, 20, true, dateOf(1, 1, 2020)},
        {1, 1, 21, true, dateOf(1, 1, 1921)},
        {1, 1, 0, true, dateOf(1, 1, 2000)},
        {1, 1, 100, true, dateOf(1, 1, 100)},
        {0, 1, 2024, false, unchanged},
        {1, 0, 2024, false, unchanged},
        {1, 13, 2024, false, unchanged},
        {32, 13, 2024, false, unchanged},
        {1, 1, -1, false, unchanged},
        {INT32_MAX, 1, 2024, true, dateOf(31, 1, 2024)},
        {INT32_MIN, 1, 2024, false, unchanged},
    };
    for (const Case& c : cases) {
        DateValue date = unchanged;
        EXPECT_EQ(date.set(c.d, c.m, c.y), c.ok) << c.d << '.' << c.m << '.' << c.y;
        EXPECT_EQ(date, c.expected) << c.d << '.' << c.m << '.' << c.y;
    }
}

TEST(DateValue, SetExactKeepsDayBeyondMonth) {
    DateValue date;
    EXPECT_TRUE(date.setExact(31, 2, 2023));
    EXPECT_EQ(date, dateOf(31, 2, 2023));
    EXPECT_EQ(date.effectiveDay(), 28);
    EXPECT_EQ(date.weekday(), 1); // 28 February 2023 was a Tuesday
    EXPECT_TRUE(date.isValid());
    EXPECT_FALSE(date.setExact(32, 1, 2023));
    EXPECT_EQ(date, dateOf(31, 2, 2023));
}

TEST(DateValue, SetDayClampsOnlyRealDates) {
    DateValue date = dateOf(10, 2, 2023);
    EXPECT_EQ(date.setDay(40), 28);
    EXPECT_EQ(date.setDay(-5), 1);
    DateValue empty;
    EXPECT_EQ(empty.setDay(12), 1);
    EXPECT_TRUE(empty.isEmpty());
}

TEST(DateValue, EmptyDateGivesNeutralResults) {
    const DateValue empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(empty.isValid());
    EXPECT_EQ(empty.weekday(), -1);
    EXPECT_EQ(empty.daysOfMonth(), 30);
    EXPECT_EQ(empty.pack(), 0u);
    EXPECT_TRUE(dateOf(-3, 5, 2024).isEmpty());
    DateValue moved = empty;
    moved.addDays(10);
    moved.subtract(1, 1, 1);
    moved.nthWeekday(0, 1);
    EXPECT_EQ(moved, empty);
}

TEST(DateValue, LeapRuleHasNoCenturyException) {
    EXPECT_TRUE(isLeapYear(1900));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_TRUE(isLeapYear(2100));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInMonth(2, 1900), 29);
    EXPECT_EQ(daysInMonth(2, 2023), 28);
    EXPECT_EQ(daysInMonth(0, 2023), 31);
    EXPECT_EQ(daysInMonth(13, 2023), 31);
}

// Walks every day of 1901..2099 and compares weekday, day steps, distances and
// the packed form with the standard library's civil calendar.
TEST(DateValue, EveryDayAgreesWithCivilCalendar) {
    using namespace std::chrono;
    const sys_days first = sys_days{year{1901} / January / 1};
    const sys_days last = sys_days{year{2099} / December / 31};
    DateValue date = dateOf(1, 1, 1901);
    const DateValue start = date;
    for (sys_days day = first; day <= last; day += days{1}) {
        const year_month_day ymd{day};
        const DateValue expected =
            dateOf(static_cast<int>(unsigned(ymd.day())), static_cast<int>(unsigned(ymd.month())),
                   static_cast<int>(ymd.year()));
        ASSERT_EQ(date, expected);
        ASSERT_EQ(date.weekday(), static_cast<int>(weekday{day}.iso_encoding()) - 1) << date;
        ASSERT_EQ(date.daysSince(start), (day - first).count()) << date;
        DateValue unpacked;
        ASSERT_TRUE(unpacked.unpack(date.pack()));
        ASSERT_EQ(unpacked, date);
        ASSERT_EQ(date.plusDays(1).minusDays(1), date);
        date.addDays(1);
    }
}

TEST(DateValue, WeekdayAtTheEdgesOfTheRange) {
    EXPECT_EQ(dateOf(1, 1, 2024).weekday(), 0);
    EXPECT_EQ(dateOf(1, 3, 1900).weekday(), 3);
    EXPECT_EQ(dateOf(1, 1, 1900).weekday(), 6);
    EXPECT_EQ(dateOf(31, 12, 1899).weekday(), 0);
    EXPECT_EQ(dateOf(15, 7, 1850).weekday(), 0);
}

TEST(DateValue, DayStepsCarryAndBorrow) {
    struct Case {
        DateValue from;
        std::int32_t n;
        DateValue expected;
    };
    const Case cases[] = {
        {dateOf(31, 12, 2024), 1, dateOf(1, 1, 2025)},
        {dateOf(1, 3, 2024), -1, dateOf(29, 2, 2024)},
        {dateOf(28, 2, 2100), 1, dateOf(29, 2, 2100)},
        {dateOf(1, 1, 2000), 366 + 365, dateOf(1, 1, 2002)},
        {dateOf(31, 2, 2023), 0, dateOf(3, 3, 2023)},     // a day beyond its month carries on
        {dateOf(1, 1, 2000), -36525, dateOf(1, 1, 1900)}, // 25 leap years, 1900 included
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.from.plusDays(c.n), c.expected) << c.from << " + " << c.n;
    }
    DateValue date = dateOf(1, 3, 2024);
    date.subDays(1);
    EXPECT_EQ(date, dateOf(29, 2, 2024));
    date = dateOf(31, 2, 2023);
    date.subDays(1);
    EXPECT_EQ(date, dateOf(30, 2, 2023)); // only a borrow normalises the day
    date = dateOf(1, 1, 2024);
    date.addDays(INT32_MAX); // far beyond the calendar, but no overflow
    EXPECT_FALSE(date.isEmpty());
}

TEST(DateValue, DaysSince) {
    EXPECT_EQ(dateOf(1, 2, 2024).daysSince(dateOf(1, 11, 2023)), 92);
    EXPECT_EQ(dateOf(1, 3, 1900).daysSince(dateOf(1, 2, 1900)), 29);
    EXPECT_EQ(dateOf(5, 5, 2024).daysSince(dateOf(5, 5, 2024)), 0);
    EXPECT_EQ(dateOf(1, 11, 2023).daysSince(dateOf(1, 2, 2024)), -92);
}

TEST(DateValue, SubtractYearsMonthsDays) {
    struct Case {
        DateValue from;
        std::int32_t days, months, years;
        DateValue expected;
    };
    const Case cases[] = {
        {dateOf(31, 3, 2024), 0, 1, 0, dateOf(31, 2, 2024)}, // no cut without days
        {dateOf(31, 3, 2024), 1, 1, 0, dateOf(29, 2, 2024)},
        {dateOf(15, 1, 2024), 0, 13, 1, dateOf(15, 12, 2021)},
        {dateOf(15, 1, 2024), 0, 1, 0, dateOf(15, 12, 2023)},
        {dateOf(10, 3, 2024), 10, 0, 0, dateOf(29, 2, 2024)},
        {dateOf(10, 3, 2024), 0, 0, 4, dateOf(10, 3, 2020)},
    };
    for (const Case& c : cases) {
        DateValue date = c.from;
        date.subtract(c.days, c.months, c.years);
        EXPECT_EQ(date, c.expected)
            << c.from << " - " << c.days << "d " << c.months << "m " << c.years << "y";
    }
}

TEST(DateValue, ComparisonsTreatEmptyAsUnordered) {
    const DateValue a = dateOf(24, 12, 2024);
    const DateValue b = dateOf(1, 1, 2025);
    const DateValue empty;
    EXPECT_TRUE(a.isEarlier(b));
    EXPECT_TRUE(b.isLater(a));
    EXPECT_FALSE(a.isLater(b));
    EXPECT_TRUE(a.notLater(b));
    EXPECT_TRUE(a.notLater(a));
    EXPECT_FALSE(dateOf(2, 12, 2024).isEarlier(dateOf(1, 12, 2024)));
    EXPECT_TRUE(dateOf(30, 11, 2024).isEarlier(dateOf(1, 12, 2024)));
    for (const DateValue& x : {a, empty}) {
        EXPECT_FALSE(x.isEarlier(empty));
        EXPECT_FALSE(empty.isLater(x));
        EXPECT_TRUE(empty.notLater(x));
        EXPECT_TRUE(x.notEarlier(empty));
    }
    EXPECT_TRUE(empty.equals(DateValue{}));
    EXPECT_FALSE(a.equals(b));
}

TEST(DateValue, PackedForm) {
    EXPECT_EQ(dateOf(24, 12, 2024).pack(), 0x07E80C18u);
    DateValue date = dateOf(3, 3, 2003);
    EXPECT_TRUE(date.unpack(0));
    EXPECT_TRUE(date.isEmpty());
    date = dateOf(3, 3, 2003);
    EXPECT_FALSE(date.unpack(0x07E80D18u)); // month 13
    EXPECT_FALSE(date.unpack(0x08350101u)); // year 2101
    EXPECT_EQ(date, dateOf(3, 3, 2003));
    EXPECT_TRUE(date.unpack(0x07E7021Fu)); // 31 February 2023 stays as stored
    EXPECT_EQ(date, dateOf(31, 2, 2023));
}

// An independent Easter computation (the anonymous Gregorian algorithm).
DateValue gregorianEaster(int y) {
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3, h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4, l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return dateOf(day, month, y);
}

TEST(DateValue, EasterSunday) {
    const DateValue known[] = {dateOf(18, 4, 1954), dateOf(19, 4, 1981), dateOf(23, 4, 2000),
                               dateOf(23, 3, 2008), dateOf(31, 3, 2024), dateOf(18, 4, 2049),
                               dateOf(28, 3, 2100)};
    for (const DateValue& expected : known) {
        EXPECT_EQ(easterSunday(expected.year), expected);
    }
    for (int y = 1900; y <= 2100; ++y) {
        ASSERT_EQ(easterSunday(y), gregorianEaster(y)) << y;
    }
}

TEST_F(FixedToday, SetToEasterUsesOwnYearOrToday) {
    DateValue date = dateOf(1, 1, 2024);
    date.setToEaster();
    EXPECT_EQ(date, dateOf(31, 3, 2024));
    DateValue empty;
    empty.setToEaster();
    EXPECT_EQ(empty, dateOf(5, 4, 2026));
    EXPECT_EQ(DateValue::today(), dateOf(15, 6, 2026));
}

TEST(DateValue, NthWeekday) {
    struct Case {
        DateValue month;
        std::int32_t weekday, n;
        DateValue expected;
    };
    const Case cases[] = {
        {dateOf(17, 11, 2024), 3, 4, dateOf(28, 11, 2024)},
        {dateOf(1, 2, 2021), 0, 5, dateOf(28, 2, 2021)}, // only four Mondays
        {dateOf(9, 9, 2024), 0, 1, dateOf(2, 9, 2024)},
        {dateOf(9, 9, 2024), 6, 1, dateOf(1, 9, 2024)},
        {dateOf(9, 9, 2024), 0, 5, dateOf(30, 9, 2024)}, // last day is the fifth Monday
        {dateOf(9, 9, 2024), 2, 0, dateOf(1, 9, 2024)},
    };
    for (const Case& c : cases) {
        DateValue date = c.month;
        date.nthWeekday(c.weekday, c.n);
        EXPECT_EQ(date, c.expected) << c.month << " weekday " << c.weekday << " n " << c.n;
    }
}

TEST(TimeOfDay, SetAndCompare) {
    TimeOfDay time;
    EXPECT_TRUE(time.isEmpty());
    EXPECT_TRUE(time.set(23, 59));
    EXPECT_FALSE(time.set(24, 0));
    EXPECT_FALSE(time.set(12, 60));
    EXPECT_FALSE(time.set(-1, 5));
    EXPECT_EQ(time, (TimeOfDay{23, 59}));
    EXPECT_TRUE(time.set(-1, 0));
    EXPECT_TRUE(time.isEmpty());
    EXPECT_TRUE((TimeOfDay{9, 30}).isEarlier(TimeOfDay{10, 0}));
    EXPECT_TRUE((TimeOfDay{10, 1}).isLater(TimeOfDay{10, 0}));
    EXPECT_FALSE((TimeOfDay{10, 0}).isLater(TimeOfDay{10, 0}));
}

// Every 16-bit value: it reads back exactly when it is a valid or the empty time.
TEST(TimeOfDay, PackedFormRoundTrips) {
    EXPECT_EQ(TimeOfDay{}.pack(), 0x00FFu);
    EXPECT_EQ((TimeOfDay{7, 30}).pack(), 0x1E07u);
    for (std::uint32_t packed = 0; packed <= 0xFFFFu; ++packed) {
        const auto hour = static_cast<std::int8_t>(packed & 0xFFu);
        const auto minute = static_cast<int>(packed >> 8);
        const bool valid = (hour >= 0 && hour <= 23 && minute <= 59) || (hour == -1 && minute == 0);
        TimeOfDay time{12, 34};
        ASSERT_EQ(time.unpack(static_cast<std::uint16_t>(packed)), valid) << packed;
        if (valid) {
            ASSERT_EQ(time.pack(), packed);
        } else {
            ASSERT_EQ(time, (TimeOfDay{12, 34}));
        }
    }
}

} // namespace
} // namespace veltrano
