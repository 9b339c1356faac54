#include "core/date_text.h"

#include "core/date_format.h"
#include "core/number_reader.h"
#include "core/strings.h"

#include <cstdio>
#include <utility>
#include <vector>

namespace veltrano {

namespace {

constexpr int monthNameBase = 29016;
constexpr int timeFormatId = 29028;
// Free reading looks at no more than this many characters of the text.
constexpr std::size_t freeReadingLimit = 78;

bool contains(std::string_view text, char c) {
    return text.find(c) != std::string_view::npos;
}

// Splits at separator, keeping empty pieces; a text without it is one piece.
std::vector<std::string_view> splitKeepingEmpty(std::string_view text, char separator) {
    std::vector<std::string_view> pieces;
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = text.find(separator, start);
        if (at == std::string_view::npos) {
            pieces.push_back(text.substr(start));
            return pieces;
        }
        pieces.push_back(text.substr(start, at - start));
        start = at + 1;
    }
}

// Cuts at any of the separators, skipping empty tokens.
std::vector<std::string_view> tokens(std::string_view text, std::string_view separators) {
    std::vector<std::string_view> result;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t at = text.find_first_of(separators, start);
        const std::size_t end = at == std::string_view::npos ? text.size() : at;
        if (end > start) {
            result.push_back(text.substr(start, end - start));
        }
        start = end + 1;
    }
    return result;
}

struct DateParts {
    std::int32_t day = 0;
    std::int32_t month = 0;
    std::int32_t year = 0;
};

// The range every reading form requires before it sets the date.
bool inReadingRange(const DateParts& p) {
    const bool yearOk = (p.year >= 1800 && p.year <= 2100) || (p.year >= 0 && p.year <= 99);
    return p.day >= 1 && p.day <= 31 && p.month >= 1 && p.month <= 12 && yearOk;
}

// Whether a reader cuts the day to the month's length of the year it read, or
// keeps it (up to 31) for a caller that puts it into another year first.
enum class DayCut { ToMonthLength, Keep };

bool setDate(const DateParts& p, DayCut cut, DateValue& date) {
    return cut == DayCut::Keep ? date.setExact(p.day, p.month, p.year)
                               : date.set(p.day, p.month, p.year);
}

bool setChecked(const DateParts& p, DayCut cut, DateValue& date) {
    return inReadingRange(p) && setDate(p, cut, date);
}

bool parseByFormat(std::string_view text, DayCut cut, DateValue& date) {
    if (text.empty()) {
        return false;
    }
    char separator = '.';
    for (char candidate : {'/', '-', ','}) {
        if (contains(text, candidate)) {
            separator = candidate;
            break;
        }
    }
    const auto pieces = splitKeepingEmpty(text, separator);
    const DateValue today = DateValue::today();
    auto piece = [&](std::size_t i, std::int32_t fallback) {
        return i < pieces.size() ? readInt(pieces[i]) : fallback;
    };
    const bool monthFirst = isMonthFirstFormat(dateFormat());
    DateParts p;
    p.day = piece(monthFirst ? 1 : 0, today.day);
    p.month = piece(monthFirst ? 0 : 1, today.month);
    p.year = piece(2, today.year);
    return setChecked(p, cut, date);
}

// "28.12-03.01.2025": a range of two dates, of which the first one is read.
bool parseRangeForm(std::string_view text, DayCut cut, DateValue& date) {
    if (!contains(text, '-')) {
        return false;
    }
    const auto parts = splitKeepingEmpty(text, '-');
    if (parts.size() != 2) {
        return false;
    }
    const auto first = splitKeepingEmpty(parts[0], '.');
    const auto second = splitKeepingEmpty(parts[1], '.');
    DateParts p;
    if (first.size() >= 3) {
        p = {readInt(first[0]), readInt(first[1]), readInt(first[2])};
    } else if (first.size() == 2 && second.size() >= 3) {
        p = {readInt(first[0]), readInt(first[1]), readInt(second[2])};
        // December to January: the first date lies in the year before.
        if (readInt(second[1]) == 1 && p.month == 12) {
            p.year -= 1;
        }
    } else {
        return false;
    }
    return setChecked(p, cut, date);
}

// "5", "2412", "241224", "24122024".
bool parseDigitsForm(std::string_view text, DayCut cut, DateValue& date) {
    const DateValue today = DateValue::today();
    DateParts p{0, today.month, today.year};
    const std::size_t length = text.size();
    if (length <= 2) {
        p.day = readInt(text);
    } else if (length == 4 || length == 6 || length == 8) {
        p.day = readInt(text.substr(0, 2));
        p.month = readInt(text.substr(2, 2));
        if (length > 4) {
            p.year = readInt(text.substr(4));
        }
    } else {
        return false;
    }
    return setChecked(p, cut, date);
}

// "24.12.", "1.1.29", "24,12,2024".
bool parseDottedForm(std::string_view text, DayCut cut, DateValue& date) {
    const auto parts = tokens(text, ".,");
    if (parts.empty()) {
        return false;
    }
    const DateValue today = DateValue::today();
    const std::int32_t day = readInt(parts[0]);
    const std::int32_t month = parts.size() > 1 ? readInt(parts[1]) : today.month;
    std::int32_t year = today.year;
    if (parts.size() > 2) {
        year = readInt(parts[2]);
        if (year >= 0 && year <= 99) {
            year += year < 30 ? 2000 : 1900;
        }
        if (year >= 190 && year <= 299) {
            year += 1800;
        }
        if (year < 1000) {
            return false;
        }
    }
    return setDate(DateParts{day, month, year}, cut, date);
}

bool parseFree(std::string_view text, DayCut cut, DateValue& date) {
    text = text.substr(0, freeReadingLimit);
    if (parseRangeForm(text, cut, date)) {
        return true;
    }
    if (!contains(text, '.') && !contains(text, ',')) {
        return parseDigitsForm(text, cut, date);
    }
    return parseDottedForm(text, cut, date);
}

bool parseDate(std::string_view text, DayCut cut, DateValue& date) {
    return dateFormat() == 0 ? parseFree(text, cut, date) : parseByFormat(text, cut, date);
}

} // namespace

std::string formatDate(const DateValue& date) {
    if (date.isEmpty()) {
        return {};
    }
    const char* pattern = "%02d.%02d.%04d";
    std::int32_t first = date.day;
    std::int32_t second = date.month;
    switch (dateFormat()) {
    case 1:
        pattern = "%02d-%02d-%04d";
        break;
    case 2:
        pattern = "%02d/%02d/%04d";
        break;
    case 3:
        pattern = "%02d/%02d/%04d";
        std::swap(first, second);
        break;
    case 4:
        pattern = "%02d-%02d-%04d";
        std::swap(first, second);
        break;
    default:
        break;
    }
    char buffer[48];
    std::snprintf(buffer, sizeof buffer, pattern, first, second, date.year);
    return buffer;
}

bool parseDate(std::string_view text, DateValue& date) {
    return parseDate(text, DayCut::ToMonthLength, date);
}

bool parseDateKeepingDay(std::string_view text, DateValue& date) {
    return parseDate(text, DayCut::Keep, date);
}

std::string formatTime(const TimeOfDay& time) {
    if (time.isEmpty()) {
        return {};
    }
    return formatString(timeFormatId, {std::int64_t{time.hour}, std::int64_t{time.minute}});
}

bool parseTime(std::string_view text, TimeOfDay& time) {
    if (text.empty()) {
        time.clear();
        return true;
    }
    std::int32_t hours = 0;
    std::int32_t minutes = 0;
    const std::size_t colon = text.find(':', 1);
    if (colon != std::string_view::npos && colon + 1 < text.size()) {
        hours = readInt(text.substr(0, colon));
        minutes = readInt(text.substr(colon + 1));
    } else if (text.size() == 3 || text.size() == 4) {
        hours = readInt(text.substr(0, text.size() - 2));
        minutes = readInt(text.substr(text.size() - 2));
    } else {
        hours = readInt(text);
    }
    if (hours < 0 || hours > 23 || minutes < 0 || minutes > 59) {
        return false;
    }
    return time.set(hours, minutes);
}

std::string monthName(std::int32_t i) {
    return loadString(monthNameBase + (i >= 0 && i <= 11 ? i : 0));
}

} // namespace veltrano
