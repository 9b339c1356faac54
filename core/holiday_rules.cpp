#include "core/holidays.h"

namespace veltrano {

namespace {

enum class RuleKind : std::uint8_t {
    none,         // no rule: empty date
    fixed,        // day.month
    easter,       // Easter Sunday + offset days
    nthWeekday,   // n-th weekday of month
    mondayBefore, // the Monday on or before day.month
    bussBettag,   // first Wednesday on or after 1 November, plus 14 days
    queensDay,    // 30 April, or 29 April when that is a Sunday
    labourDay,    // depends on the region
    summerBank,   // depends on the region
};

struct Rule {
    RuleKind kind = RuleKind::none;
    std::int32_t day = 0;     // fixed and mondayBefore: day of month
    std::int32_t month = 0;   // fixed, nthWeekday and mondayBefore
    std::int32_t weekday = 0; // nthWeekday: 0 = Monday
    std::int32_t n = 0;       // nthWeekday: 1 = first
    std::int32_t offset = 0;  // easter: days after Easter Sunday
};

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
constexpr Rule special(RuleKind kind) {
    return {kind, 0, 0, 0, 0, 0};
}

constexpr std::int32_t monday = 0;
constexpr std::int32_t wednesday = 2;
constexpr std::int32_t thursday = 3;
constexpr std::int32_t sunday = 6;

// The rule of each holiday, by number.
constexpr Rule rules[holidayCount] = {
    fixed(1, 1),                   // 0 New Year
    fixed(1, 5),                   // 1
    fixed(3, 10),                  // 2
    fixed(25, 12),                 // 3
    fixed(26, 12),                 // 4
    fixed(6, 1),                   // 5
    fixed(15, 8),                  // 6
    fixed(31, 10),                 // 7
    fixed(1, 11),                  // 8
    special(RuleKind::bussBettag), // 9
    easter(-2),                    // 10 Good Friday
    easter(0),                     // 11
    easter(1),                     // 12
    easter(39),                    // 13 Ascension
    easter(49),                    // 14 Whit Sunday
    easter(50),                    // 15
    easter(60),                    // 16 Corpus Christi
    fixed(26, 10),                 // 17
    fixed(8, 12),                  // 18
    fixed(1, 8),                   // 19
    special(RuleKind::queensDay),  // 20
    fixed(5, 5),                   // 21
    fixed(11, 11),                 // 22
    fixed(21, 7),                  // 23
    nth(3, monday, 1),             // 24
    nth(3, monday, 2),             // 25
    mondayBefore(31, 5),           // 26
    fixed(4, 7),                   // 27
    nth(1, monday, 9),             // 28
    nth(2, monday, 10),            // 29
    fixed(11, 11),                 // 30
    nth(4, thursday, 11),          // 31
    mondayBefore(24, 4),           // 32 (April, as the program has always kept it)
    fixed(1, 7),                   // 33
    nth(1, monday, 8),             // 34
    special(RuleKind::labourDay),  // 35
    nth(2, monday, 10),            // 36
    nth(1, monday, 8),             // 37
    fixed(1, 11),                  // 38
    nth(3, monday, 2),             // 39
    nth(1, monday, 8),             // 40
    nth(3, monday, 8),             // 41
    fixed(26, 1),                  // 42
    fixed(25, 4),                  // 43
    nth(2, monday, 6),             // 44
    fixed(20, 3),                  // 45
    fixed(15, 5),                  // 46
    fixed(1, 11),                  // 47
    fixed(2, 1),                   // 48
    fixed(17, 3),                  // 49
    nth(1, monday, 5),             // 50
    mondayBefore(31, 5),           // 51
    nth(1, monday, 6),             // 52
    fixed(12, 7),                  // 53
    special(RuleKind::summerBank), // 54
    mondayBefore(31, 10),          // 55
    fixed(30, 11),                 // 56
    fixed(6, 2),                   // 57
    fixed(8, 5),                   // 58
    fixed(14, 7),                  // 59
    fixed(25, 4),                  // 60
    fixed(2, 6),                   // 61
    fixed(12, 10),                 // 62
    fixed(6, 12),                  // 63
    easter(-3),                    // 64 Maundy Thursday
};

Rule labourDayRule(std::int32_t region) {
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
        return fixed(10, 3);
    case 28:
        return fixed(3, 3);
    case 39:
        return mondayBefore(31, 10);
    default:
        return fixed(6, 10);
    }
}

Rule summerBankRule(std::int32_t region) {
    return region == 36 || region == 38 ? nth(1, monday, 8) : mondayBefore(31, 8);
}

DateValue fixedDate(std::int32_t day, std::int32_t month, std::int32_t year) {
    DateValue date;
    date.set(day, month, year);
    return date;
}

DateValue bussBettag(std::int32_t year) {
    DateValue date = fixedDate(1, 11, year);
    const std::int32_t w = date.weekday();
    if (w != wednesday) {
        const std::int32_t ahead = wednesday - w;
        date.addDays(ahead < 0 ? ahead + 7 : ahead);
    }
    date.addDays(14);
    return date;
}

DateValue queensDay(std::int32_t year) {
    DateValue date = fixedDate(30, 4, year);
    if (date.weekday() == sunday) {
        date = fixedDate(29, 4, year);
    }
    return date;
}

DateValue dateByRule(const Rule& rule, std::int32_t year, std::int32_t region) {
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
        date = fixedDate(1, rule.month, year);
        date.nthWeekday(rule.weekday, rule.n);
        return date;
    case RuleKind::mondayBefore:
        date = fixedDate(rule.day, rule.month, year);
        date.subDays(date.weekday());
        return date;
    case RuleKind::bussBettag:
        return bussBettag(year);
    case RuleKind::queensDay:
        return queensDay(year);
    case RuleKind::labourDay:
        return dateByRule(labourDayRule(region), year, region);
    case RuleKind::summerBank:
        return dateByRule(summerBankRule(region), year, region);
    }
    return date;
}

} // namespace

DateValue holidayDateInRegion(std::int32_t number, std::int32_t year, std::int32_t region) {
    if (number < 0 || number >= holidayCount) {
        return {};
    }
    return dateByRule(rules[number], year, region);
}

} // namespace veltrano
