#pragma once
// A calendar date of day, month and year, with the program's calendar arithmetic.
//
// One leap rule holds everywhere: every year divisible by 4 is a leap year, 1900
// and 2100 included. From 1901 to 2099 every result agrees with the civil
// calendar; the years offered to the user are 1900..2100.
//
// The fields need not agree with each other: unpacking and the month step of
// subtract can leave a day beyond the month's length (31 February). Operations
// that need a day inside the month use the effective day (see effectiveDay).

#include <cstdint>
#include <iosfwd>
#include <type_traits>

namespace veltrano {

// True for every year divisible by 4 (no century exception).
constexpr bool isLeapYear(std::int32_t year) {
    return year % 4 == 0;
}

// Length of month 1..12 of year; February has 29 days in a leap year. A month
// outside 1..12 answers 31 so that callers stepping through months stay safe.
constexpr std::int32_t daysInMonth(std::int32_t month, std::int32_t year) {
    constexpr std::int32_t lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12) {
        return 31;
    }
    if (month == 2 && isLeapYear(year)) {
        return 29;
    }
    return lengths[month - 1];
}

class DateValue {
  public:
    std::int32_t day = 0;   // 1..31; 0 or less means the date is empty
    std::int32_t month = 0; // 1..12
    std::int32_t year = 0;  // four digits; 0..2100 when set through set or setExact

    // Makes the date empty (all fields 0).
    void clear() { *this = DateValue{}; }
    // Sets the current local date (from the program's clock).
    void setToday();
    static DateValue today();

    // Validating set: a day beyond the month's length is cut to it, then day
    // 1..31, month 1..12 and year 0..2100 are required; two-digit years are
    // widened (21..99 -> 19xx, 0..20 -> 20xx). Returns false and leaves the date
    // unchanged when out of range.
    bool set(std::int32_t d, std::int32_t m, std::int32_t y);
    // As set, without cutting the day to the month's length.
    bool setExact(std::int32_t d, std::int32_t m, std::int32_t y);
    // On a non-empty date: day := max(1, d) cut to the month's length; returns
    // the new day. An empty date stays unchanged and 1 is returned.
    std::int32_t setDay(std::int32_t d);

    bool isEmpty() const { return day <= 0; }
    // An empty date is valid; otherwise the range check of set holds.
    bool isValid() const;
    // daysInMonth of the date's own month; 30 for an empty date.
    std::int32_t daysOfMonth() const;
    // The day itself below 29, otherwise the smaller of day and month length.
    std::int32_t effectiveDay() const;
    // 0 = Monday .. 6 = Sunday; -1 for an empty date; 0 for a year before 1900.
    std::int32_t weekday() const;

    // Moves n days later (addDays) or earlier (subDays), carrying through months
    // and years. A negative n moves the other way; an empty date stays empty.
    void addDays(std::int32_t n);
    void subDays(std::int32_t n);
    DateValue plusDays(std::int32_t n) const;
    DateValue minusDays(std::int32_t n) const;
    // Days from other to this date by the program's leap rule, negative when
    // other is the later one.
    std::int64_t daysSince(const DateValue& other) const;
    // Moves back by years, then months, then days; the day is cut to the
    // resulting month's length only when days > 0. An empty date stays empty.
    void subtract(std::int32_t days, std::int32_t months, std::int32_t years);

    // Comparisons in calendar order. An empty date is never earlier or later;
    // equals compares the three fields (two empty dates are equal).
    bool equals(const DateValue& other) const { return *this == other; }
    bool isEarlier(const DateValue& other) const;
    bool isLater(const DateValue& other) const { return other.isEarlier(*this); }
    bool notLater(const DateValue& other) const { return !isLater(other); }
    bool notEarlier(const DateValue& other) const { return !isEarlier(other); }

    // Packed form: bits 0-7 day, 8-15 month, 16-31 year; an empty date is 0.
    std::uint32_t pack() const;
    // 0 clears the date; any other value goes through setExact. Returns false
    // (date unchanged) when setExact refuses.
    bool unpack(std::uint32_t packed);

    // Replaces the date by Easter Sunday of its own year; an empty date first
    // becomes today.
    void setToEaster();
    // Moves to the n-th weekday (0 = Monday) of the date's month; a month with
    // fewer such weekdays ends on its last day. An empty date stays empty.
    void nthWeekday(std::int32_t weekdayWanted, std::int32_t n);

    friend bool operator==(const DateValue&, const DateValue&) = default;
};

static_assert(sizeof(DateValue) == 12);
static_assert(std::is_trivially_copyable_v<DateValue>);

// Easter Sunday of the year (extended Gauss formula).
DateValue easterSunday(std::int32_t year);

// Shows a date as day.month.year for test failures and diagnostics.
std::ostream& operator<<(std::ostream& out, const DateValue& date);

} // namespace veltrano
