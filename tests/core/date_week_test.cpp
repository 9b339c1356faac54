#include "core/date_week.h"

#include <gtest/gtest.h>

#include <chrono>

namespace veltrano {
namespace {

TEST(IsoWeek, WeeksAroundTheTurnOfTheYear) {
    struct Case {
        int year;
        int month;
        int day;
        int week;
    };
    const Case cases[] = {
        {2020, 12, 31, 53},
        {2021, 1, 3, 53},
        {2021, 1, 4, 1},
        {2024, 12, 30, 1},
        {2026, 1, 1, 1},
        {2027, 1, 1, 53},
        {1901, 1, 1, 1},
        {2100, 12, 31, 52},
        {2015, 12, 31, 53},
        {2016, 1, 3, 53},
        {2009, 12, 31, 53},
        // Days outside the month count on from its first day.
        {2024, 3, 0, 9},
        {2024, 12, 32, 1},
        {2025, 1, -1, 1},
        {2021, 1, -10, 52},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(isoWeekNumber(c.year, c.month, c.day), c.week)
            << c.year << '-' << c.month << '-' << c.day;
    }
}

// Every day of 1900..2100 against the week worked out with std::chrono.
TEST(IsoWeek, EveryDayAgreesWithChrono) {
    using namespace std::chrono;
    const sys_days first = year{1900} / January / 1;
    const sys_days last = year{2100} / December / 31;
    for (sys_days day = first; day <= last; day += days{1}) {
        const sys_days thursday = day - (weekday{day} - Monday) + days{3};
        const year weekYear = year_month_day{thursday}.year();
        const int expected =
            static_cast<int>((thursday - sys_days{weekYear / January / 1}).count() / 7 + 1);
        const year_month_day ymd{day};
        ASSERT_EQ(isoWeekNumber(static_cast<int>(ymd.year()),
                                static_cast<int>(static_cast<unsigned>(ymd.month())),
                                static_cast<int>(static_cast<unsigned>(ymd.day()))),
                  expected)
            << static_cast<int>(ymd.year()) << '-' << static_cast<unsigned>(ymd.month()) << '-'
            << static_cast<unsigned>(ymd.day());
    }
}

} // namespace
} // namespace veltrano
