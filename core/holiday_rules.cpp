#include "core/holidays.h"

#include <iterator>
#include <limits>

namespace veltrano {

namespace {

enum class RuleKind : std::uint8_t {
    none,            // no rule: empty date
    fixed,           // day.month
    easter,          // Easter Sunday + offset days
    nthWeekday,      // n-th weekday of month
    mondayBefore,    // the Monday on or before day.month
    sundayBack,      // day.month, or the day before when day.month is a Sunday
    fridayOrNth,     // day.month when it is a Friday, else the n-th weekday of month
    wednesdayBefore, // the Wednesday before day.month
    matariki,        // the date the act fixes for the year (a table)
};

struct Rule {
    RuleKind kind = RuleKind::none;
    std::int32_t day = 0;     // fixed, mondayBefore, sundayBack, fridayOrNth, wednesdayBefore
    std::int32_t month = 0;   // every kind with a month
    std::int32_t weekday = 0; // nthWeekday, fridayOrNth: 0 = Monday
    std::int32_t n = 0;       // nthWeekday, fridayOrNth: 1 = first
    std::int32_t offset = 0;  // easter: days after Easter Sunday
};

constexpr Rule none() {
    return {};
}
constexpr Rule fixed(std::int32_t day, std::int32_t month) {
    return {RuleKind::fixed, day, month, 0, 0, 0};
}
constexpr Rule easter(std::int32_t offset) {
    return {RuleKind::easter, 0, 0, 0, 0, offset};
}
constexpr Rule nth(std::int32_t n, std::int32_t weekday, std::int32_t month) {
    return {RuleKind::nthWeekday, 0, month, weekday, n, 0};
}
constexpr Rule mondayBefore(std::int32_t day, std::int32_t month) {
    return {RuleKind::mondayBefore, day, month, 0, 0, 0};
}
constexpr Rule sundayBack(std::int32_t day, std::int32_t month) {
    return {RuleKind::sundayBack, day, month, 0, 0, 0};
}
constexpr Rule special(RuleKind kind) {
    return {kind, 0, 0, 0, 0, 0};
}

constexpr std::int32_t monday = 0;
constexpr std::int32_t tuesday = 1;
constexpr std::int32_t wednesday = 2;
constexpr std::int32_t thursday = 3;
constexpr std::int32_t friday = 4;
constexpr std::int32_t sunday = 6;

// The rule of each holiday, by number, where it does not depend on the year or
// the region (those are chosen in ruleInForce).
constexpr Rule rules[holidayCount] = {
    fixed(1, 1),                                  // 0 New Year
    fixed(1, 5),                                  // 1
    fixed(3, 10),                                 // 2
    fixed(25, 12),                                // 3
    fixed(26, 12),                                // 4
    fixed(6, 1),                                  // 5
    fixed(15, 8),                                 // 6
    fixed(31, 10),                                // 7
    fixed(1, 11),                                 // 8
    {RuleKind::wednesdayBefore, 23, 11, 0, 0, 0}, // 9 Buss- und Bettag
    easter(-2),                                   // 10 Good Friday
    easter(0),                                    // 11
    easter(1),                                    // 12
    easter(39),                                   // 13 Ascension
    easter(49),                                   // 14 Whit Sunday
    easter(50),                                   // 15
    easter(60),                                   // 16 Corpus Christi
    fixed(26, 10),                                // 17
    fixed(8, 12),                                 // 18
    fixed(1, 8),                                  // 19
    sundayBack(30, 4),                            // 20 Queen's Day (up to 2013)
    fixed(5, 5),                                  // 21
    fixed(11, 11),                                // 22
    fixed(21, 7),                                 // 23
    nth(3, monday, 1),                            // 24
    nth(3, monday, 2),                            // 25
    mondayBefore(31, 5),                          // 26
    fixed(4, 7),                                  // 27
    nth(1, monday, 9),                            // 28
    nth(2, monday, 10),                           // 29
    fixed(11, 11),                                // 30
    nth(4, thursday, 11),                         // 31
    mondayBefore(24, 5),                          // 32 Victoria Day
    fixed(1, 7),                                  // 33
    nth(1, monday, 8),                            // 34
    none(),                                       // 35 Labour Day: by region
    nth(2, monday, 10),                           // 36
    nth(1, monday, 8),                            // 37
    fixed(11, 11),                                // 38 Remembrance Day
    nth(3, monday, 2),                            // 39
    nth(1, monday, 8),                            // 40
    nth(3, monday, 8),                            // 41
    fixed(26, 1),                                 // 42
    fixed(25, 4),                                 // 43
    none(),                                       // 44 Queen's Birthday: by region, up to 2022
    none(),                                       // 45 Canberra Day: by year
    none(),                                       // 46 Adelaide Cup: by year
    nth(1, tuesday, 11),                          // 47 Melbourne Cup
    fixed(2, 1),                                  // 48
    fixed(17, 3),                                 // 49
    nth(1, monday, 5),                            // 50
    mondayBefore(31, 5),                          // 51
    nth(1, monday, 6),                            // 52
    fixed(12, 7),                                 // 53
    none(),                                       // 54 Summer Bank Holiday: by region
    mondayBefore(31, 10),                         // 55
    fixed(30, 11),                                // 56
    fixed(6, 2),                                  // 57
    fixed(8, 5),                                  // 58
    fixed(14, 7),                                 // 59
    fixed(25, 4),                                 // 60
    fixed(2, 6),                                  // 61
    fixed(12, 10),                                // 62
    fixed(6, 12),                                 // 63
    easter(-3),                                   // 64 Maundy Thursday
    sundayBack(27, 4),                            // 65 King's Day (from 2014)
    none(),                                       // 66 King's Birthday: as 44, from 2023
    fixed(8, 3),                                  // 67 International Women's Day
    fixed(20, 9),                                 // 68 World Children's Day
    fixed(19, 6),                                 // 69 Juneteenth
    fixed(30, 9),                                 // 70 Truth and Reconciliation
    {RuleKind::fridayOrNth, 1, 2, monday, 1, 0},  // 71 St Brigid's Day
    special(RuleKind::matariki),                  // 72 Matariki
};

// The years in which each holiday exists at all; other years give no date.
struct FirstLast {
    std::int32_t number;
    std::int32_t first;
    std::int32_t last;
};
constexpr std::int32_t earliest = std::numeric_limits<std::int32_t>::min();
constexpr std::int32_t latest = std::numeric_limits<std::int32_t>::max();
constexpr FirstLast holidayYears[] = {
    {20, earliest, 2013}, {44, earliest, 2022}, {65, 2014, latest}, {66, 2023, latest},
    {67, 2019, latest},   {68, 2019, latest},   {69, 2021, latest}, {70, 2021, latest},
    {71, 2023, latest},   {72, 2022, 2052},
};

bool holidayExistsIn(std::int32_t number, std::int32_t year) {
    for (const FirstLast& years : holidayYears) {
        if (years.number == number) {
            return year >= years.first && year <= years.last;
        }
    }
    return true;
}

// Matariki as its act fixes it, 2022 onwards (month, day).
constexpr std::int32_t matarikiFirstYear = 2022;
constexpr std::int32_t matarikiDates[][2] = {
    {6, 24}, {7, 14}, {6, 28}, {6, 20}, {7, 10}, {6, 25}, {7, 14}, {7, 6},
    {6, 21}, {7, 11}, {7, 2},  {6, 24}, {7, 7},  {6, 29}, {7, 18}, {7, 10},
    {6, 25}, {7, 15}, {7, 6},  {7, 19}, {7, 11}, {7, 3},  {6, 24}, {7, 7},
    {6, 29}, {7, 19}, {7, 3},  {6, 25}, {7, 15}, {6, 30}, {6, 21},
};

Rule labourDayRule(std::int32_t year, std::int32_t region) {
    // Queensland held it in October for three years while the sovereign's
    // birthday went back to June.
    if (region == 34 && year >= 2013 && year <= 2015) {
        return nth(1, monday, 10);
    }
    switch (region) {
    case 22:
    case 23:
    case 24:
    case 25:
        return nth(1, monday, 9);
    case 33:
    case 34:
    case 37:
    case 38:
        return nth(1, monday, 5);
    case 29:
    case 31:
        return nth(2, monday, 3);
    case 28:
        return nth(1, monday, 3);
    case 39:
        return nth(4, monday, 10);
    default:
        return nth(1, monday, 10);
    }
}

Rule sovereignsBirthdayRule(std::int32_t year, std::int32_t region) {
    if (region == 34 && year >= 2016) {
        return nth(1, monday, 10);
    }
    return region == 39 ? nth(1, monday, 6) : nth(2, monday, 6);
}

// The rule in force in year for region; kind none where the holiday does not
// exist that year.
Rule ruleInForce(std::int32_t number, std::int32_t year, std::int32_t region) {
    if (!holidayExistsIn(number, year)) {
        return none();
    }
    switch (number) {
    case 35:
        return labourDayRule(year, region);
    case 44:
    case 66:
        return sovereignsBirthdayRule(year, region);
    case 45:
        return nth(year <= 2007 ? 3 : 2, monday, 3);
    case 46:
        return year <= 2005 ? nth(3, monday, 5) : nth(2, monday, 3);
    case 54:
        return region == 36 || region == 38 ? nth(1, monday, 8) : mondayBefore(31, 8);
    default:
        return rules[number];
    }
}

DateValue fixedDate(std::int32_t day, std::int32_t month, std::int32_t year) {
    DateValue date;
    date.set(day, month, year);
    return date;
}

DateValue nthWeekdayDate(const Rule& rule, std::int32_t year) {
    DateValue date = fixedDate(1, rule.month, year);
    date.nthWeekday(rule.weekday, rule.n);
    return date;
}

DateValue matarikiDate(std::int32_t year) {
    const std::int32_t index = year - matarikiFirstYear;
    if (index < 0 || index >= static_cast<std::int32_t>(std::size(matarikiDates))) {
        return {};
    }
    const auto& monthDay = matarikiDates[index];
    return fixedDate(monthDay[1], monthDay[0], year);
}

DateValue dateByRule(const Rule& rule, std::int32_t year) {
    DateValue date;
    switch (rule.kind) {
    case RuleKind::none:
        return date;
    case RuleKind::fixed:
        return fixedDate(rule.day, rule.month, year);
    case RuleKind::easter:
        // The year as a fixed date would take it (two digits widened, nothing
        // beyond 2100), so that all rules agree on the year they answer for.
        date = fixedDate(1, 1, year);
        if (!date.isEmpty()) {
            date = easterSunday(date.year);
            date.addDays(rule.offset);
        }
        return date;
    case RuleKind::nthWeekday:
        return nthWeekdayDate(rule, year);
    case RuleKind::mondayBefore:
        date = fixedDate(rule.day, rule.month, year);
        date.subDays(date.weekday());
        return date;
    case RuleKind::sundayBack:
        date = fixedDate(rule.day, rule.month, year);
        if (date.weekday() == sunday) {
            date.subDays(1);
        }
        return date;
    case RuleKind::fridayOrNth:
        date = fixedDate(rule.day, rule.month, year);
        return date.weekday() == friday ? date : nthWeekdayDate(rule, year);
    case RuleKind::wednesdayBefore:
        // Strictly before: one to seven days back.
        date = fixedDate(rule.day, rule.month, year);
        date.subDays((date.weekday() - wednesday + 6) % 7 + 1);
        return date;
    case RuleKind::matariki:
        return matarikiDate(year);
    }
    return date;
}

} // namespace

DateValue holidayDateInRegion(std::int32_t number, std::int32_t year, std::int32_t region) {
    if (number < 0 || number >= holidayCount) {
        return {};
    }
    return dateByRule(ruleInForce(number, year, region), year);
}

} // namespace veltrano
