#include "core/date_week.h"

namespace veltrano {

namespace {

// Days since 1 March of year 0 of the civil calendar, for 1 March-based years
// so that the leap day is the last day of its year.
std::int64_t civilDayNumber(std::int64_t year, std::int64_t month, std::int64_t day) {
    if (month <= 2) {
        year -= 1;
        month += 12;
    }
    const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
    const std::int64_t yearOfEra = year - era * 400;
    const std::int64_t dayOfYear = (153 * (month - 3) + 2) / 5 + day - 1;
    const std::int64_t dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
    return era * 146097 + dayOfEra;
}

// Civil year of a day number.
std::int64_t yearOfDayNumber(std::int64_t days) {
    const std::int64_t era = (days >= 0 ? days : days - 146096) / 146097;
    const std::int64_t dayOfEra = days - era * 146097;
    const std::int64_t yearOfEra =
        (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
    const std::int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
    const std::int64_t shiftedMonth = (5 * dayOfYear + 2) / 153; // 0 = March
    return yearOfEra + era * 400 + (shiftedMonth >= 10 ? 1 : 0);
}

std::int64_t floorMod7(std::int64_t n) {
    return ((n % 7) + 7) % 7;
}

} // namespace

std::int32_t isoWeekNumber(std::int32_t year, std::int32_t month, std::int32_t day) {
    const std::int64_t days = civilDayNumber(year, month, 1) + day - 1;
    // Day number 0 (1 March of year 0) was a Wednesday: weekday 2 with Monday 0.
    const std::int64_t thursday = days - floorMod7(days + 2) + 3;
    const std::int64_t weekYear = yearOfDayNumber(thursday);
    return static_cast<std::int32_t>((thursday - civilDayNumber(weekYear, 1, 1)) / 7 + 1);
}

} // namespace veltrano
