#include "core/date_value.h"

#include "core/clock.h"

#include <algorithm>
#include <limits>
#include <ostream>

namespace veltrano {

namespace {

// Weekday offset of the 1st of each month in the weekday formula.
constexpr std::int32_t monthKey[12] = {0, 3, 3, 6, 1, 4, 6, 2, 5, 0, 3, 5};

constexpr std::int64_t floorDiv(std::int64_t a, std::int64_t b) {
    const std::int64_t q = a / b;
    return (a % b != 0 && (a < 0) != (b < 0)) ? q - 1 : q;
}

constexpr std::int64_t floorMod(std::int64_t a, std::int64_t b) {
    return a - floorDiv(a, b) * b;
}

std::int32_t clampToInt32(std::int64_t value) {
    constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(value, low, high));
}

// Days from 1 January of year 0 to the 1st of month/year under the program's
// leap rule. A month outside 1..12 is carried into the neighbouring years.
std::int64_t monthStartDay(std::int64_t month, std::int64_t year) {
    year += floorDiv(month - 1, 12);
    const auto m = static_cast<std::int32_t>(floorMod(month - 1, 12)) + 1;
    std::int64_t days = 365 * year + floorDiv(year + 3, 4);
    const auto y = static_cast<std::int32_t>(floorMod(year, 4));
    for (std::int32_t i = 1; i < m; ++i) {
        days += daysInMonth(i, y);
    }
    return days;
}

bool inSetRange(std::int32_t d, std::int32_t m, std::int32_t y) {
    return d >= 1 && d <= 31 && m >= 1 && m <= 12 && y >= 0 && y <= 2100;
}

std::int32_t widenYear(std::int32_t y) {
    if (y >= 21 && y <= 99) {
        return y + 1900;
    }
    if (y >= 0 && y <= 20) {
        return y + 2000;
    }
    return y;
}

} // namespace

void DateValue::setToday() {
    const CivilDate now = currentDate();
    day = now.day;
    month = now.month;
    year = now.year;
}

DateValue DateValue::today() {
    DateValue date;
    date.setToday();
    return date;
}

bool DateValue::set(std::int32_t d, std::int32_t m, std::int32_t y) {
    if (m >= 1 && m <= 12) {
        d = std::min(d, daysInMonth(m, y));
    }
    return setExact(d, m, y);
}

bool DateValue::setExact(std::int32_t d, std::int32_t m, std::int32_t y) {
    if (!inSetRange(d, m, y)) {
        return false;
    }
    day = d;
    month = m;
    year = widenYear(y);
    return true;
}

std::int32_t DateValue::setDay(std::int32_t d) {
    if (isEmpty()) {
        return 1;
    }
    day = std::min(std::max(1, d), daysInMonth(month, year));
    return day;
}

bool DateValue::isValid() const {
    return isEmpty() || inSetRange(day, month, year);
}

std::int32_t DateValue::daysOfMonth() const {
    return isEmpty() ? 30 : daysInMonth(month, year);
}

std::int32_t DateValue::effectiveDay() const {
    return day < 29 ? day : std::min(day, daysInMonth(month, year));
}

std::int32_t DateValue::weekday() const {
    if (isEmpty()) {
        return -1;
    }
    if (year < 1900 || month < 1 || month > 12) {
        return 0;
    }
    const std::int64_t a = static_cast<std::int64_t>(year) - 1900;
    const std::int64_t correction = (a % 4 == 0 && month <= 2) ? 1 : 0;
    const std::int64_t w = a + a / 4 + monthKey[month - 1] - correction + effectiveDay() - 1;
    return static_cast<std::int32_t>(floorMod(w, 7));
}

void DateValue::addDays(std::int32_t n) {
    if (n < 0) {
        subDays(n == std::numeric_limits<std::int32_t>::min()
                    ? std::numeric_limits<std::int32_t>::max()
                    : -n);
        return;
    }
    if (isEmpty()) {
        return;
    }
    std::int64_t d = static_cast<std::int64_t>(day) + n;
    std::int64_t m = month;
    std::int64_t y = year;
    while (d > daysInMonth(static_cast<std::int32_t>(m), clampToInt32(y))) {
        d -= daysInMonth(static_cast<std::int32_t>(m), clampToInt32(y));
        if (++m > 12) {
            m = 1;
            ++y;
        }
    }
    day = static_cast<std::int32_t>(d);
    month = static_cast<std::int32_t>(m);
    year = clampToInt32(y);
}

void DateValue::subDays(std::int32_t n) {
    if (n < 0) {
        addDays(n == std::numeric_limits<std::int32_t>::min()
                    ? std::numeric_limits<std::int32_t>::max()
                    : -n);
        return;
    }
    if (isEmpty()) {
        return;
    }
    std::int64_t d = static_cast<std::int64_t>(day) - n;
    std::int64_t m = month;
    std::int64_t y = year;
    while (d <= 0) {
        if (--m < 1) {
            m = 12;
            --y;
        }
        d += daysInMonth(static_cast<std::int32_t>(m), clampToInt32(y));
    }
    day = static_cast<std::int32_t>(d);
    month = static_cast<std::int32_t>(m);
    year = clampToInt32(y);
}

DateValue DateValue::plusDays(std::int32_t n) const {
    DateValue copy = *this;
    copy.addDays(n);
    return copy;
}

DateValue DateValue::minusDays(std::int32_t n) const {
    DateValue copy = *this;
    copy.subDays(n);
    return copy;
}

std::int64_t DateValue::daysSince(const DateValue& other) const {
    // The sum of the month lengths from other's month up to this month, plus
    // the difference of the days as they stand (a day beyond its month counts).
    return monthStartDay(month, year) - monthStartDay(other.month, other.year) + day - other.day;
}

void DateValue::subtract(std::int32_t days, std::int32_t months, std::int32_t years) {
    if (isEmpty()) {
        return;
    }
    std::int64_t y = static_cast<std::int64_t>(year) - years;
    std::int64_t m = static_cast<std::int64_t>(month) - months;
    if (m <= 0) {
        const std::int64_t wraps = -m / 12 + 1;
        m += 12 * wraps;
        y -= wraps;
    }
    month = clampToInt32(m);
    year = clampToInt32(y);
    if (days > 0) {
        subDays(days);
        day = std::min(day, daysInMonth(month, year));
    }
}

bool DateValue::isEarlier(const DateValue& other) const {
    if (isEmpty() || other.isEmpty()) {
        return false;
    }
    if (year != other.year) {
        return year < other.year;
    }
    if (month != other.month) {
        return month < other.month;
    }
    return day < other.day;
}

std::uint32_t DateValue::pack() const {
    if (isEmpty()) {
        return 0;
    }
    return (static_cast<std::uint32_t>(year) << 16) |
           ((static_cast<std::uint32_t>(month) & 0xFFu) << 8) |
           (static_cast<std::uint32_t>(day) & 0xFFu);
}

bool DateValue::unpack(std::uint32_t packed) {
    if (packed == 0) {
        clear();
        return true;
    }
    return setExact(static_cast<std::int32_t>(packed & 0xFFu),
                    static_cast<std::int32_t>((packed >> 8) & 0xFFu),
                    static_cast<std::int32_t>(packed >> 16));
}

void DateValue::setToEaster() {
    if (isEmpty()) {
        setToday();
    }
    *this = easterSunday(year);
}

void DateValue::nthWeekday(std::int32_t weekdayWanted, std::int32_t n) {
    if (isEmpty()) {
        return;
    }
    day = 1;
    std::int32_t w = weekday();
    const std::int32_t length = daysOfMonth();
    std::int32_t count = 0;
    std::int32_t d = 1;
    while (count < n && d < length) {
        if (w == weekdayWanted) {
            ++count;
        }
        if (count < n) {
            ++d;
        }
        w = (w + 1) % 7;
    }
    day = d;
}

DateValue easterSunday(std::int32_t year) {
    const std::int64_t x = year;
    const std::int64_t k = floorDiv(x, 100);
    const std::int64_t m = 15 + floorDiv(3 * k + 3, 4) - floorDiv(8 * k + 13, 25);
    const std::int64_t s = 2 - floorDiv(3 * k + 3, 4);
    const std::int64_t a = floorMod(x, 19);
    const std::int64_t d = floorMod(19 * a + m, 30);
    const std::int64_t r = d / 29 + (d / 28 - d / 29) * (a / 11);
    const std::int64_t og = 21 + d - r;
    const std::int64_t sz = 7 - floorMod(x + floorDiv(x, 4) + s, 7);
    const std::int64_t oe = 7 - floorMod(og - sz, 7);
    // Day og + oe of March, running on into April.
    const auto marchDay = static_cast<std::int32_t>(og + oe);
    DateValue easter;
    easter.day = marchDay > 31 ? marchDay - 31 : marchDay;
    easter.month = marchDay > 31 ? 4 : 3;
    easter.year = year;
    return easter;
}

std::ostream& operator<<(std::ostream& out, const DateValue& date) {
    if (date.isEmpty()) {
        return out << "(empty date)";
    }
    return out << date.day << '.' << date.month << '.' << date.year;
}

} // namespace veltrano
