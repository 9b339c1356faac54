#include "records/yearly_dates.h"

#include "core/date_value.h"
#include "records/yearly_date_readers.h"

#include <algorithm>

namespace veltrano {
namespace {

int number(std::string_view digits) {
    int value = 0;
    for (const char c : digits)
        value = value * 10 + (c - '0');
    return value;
}

// True when `text` has the shape of `pattern`, where "9" stands for a digit
// and any other character for itself.
bool matches(std::string_view text, std::string_view pattern) {
    if (text.size() != pattern.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool digit = text[i] >= '0' && text[i] <= '9';
        if (pattern[i] == '9' ? !digit : text[i] != pattern[i])
            return false;
    }
    return true;
}

} // namespace

DateForm parseContentDate(std::string_view value, ParsedDate& date) {
    std::string_view text = value.substr(0, value.find('T'));
    ParsedDate parsed;
    if (matches(text, "9999-99-99")) {
        parsed = {number(text.substr(0, 4)), number(text.substr(5, 2)), number(text.substr(8, 2))};
    } else if (matches(text, "99999999")) {
        parsed = {number(text.substr(0, 4)), number(text.substr(4, 2)), number(text.substr(6, 2))};
    } else if (matches(text, "--9999")) {
        parsed = {0, number(text.substr(2, 2)), number(text.substr(4, 2))};
    } else if (matches(text, "--99-99")) {
        parsed = {0, number(text.substr(2, 2)), number(text.substr(5, 2))};
    } else if (matches(text, "9999") || matches(text, "9999-99") || matches(text, "--99")) {
        return DateForm::NoDay;
    } else {
        return DateForm::Invalid;
    }
    // Without a year, 29 February is a day like any other.
    const std::int32_t lengthYear = parsed.year == 0 ? 2000 : parsed.year;
    if (parsed.month < 1 || parsed.month > 12 || parsed.day < 1 ||
        parsed.day > daysInMonth(parsed.month, lengthYear))
        return DateForm::Invalid;
    date = parsed;
    return DateForm::Day;
}

bool readDateValue(const ContentLine& line, ParsedDate& date, ContentReadError& error) {
    const std::string value = unescapeContentText(line.value);
    const DateForm form = parseContentDate(value, date);
    if (form == DateForm::Invalid)
        error = {ContentFault::BadDate, line.line, value};
    return form == DateForm::Day;
}

bool readYearlyDates(std::string_view bytes, std::int32_t year, std::vector<YearlyDate>& dates,
                     ContentReadError& error) {
    std::vector<ContentLine> lines;
    if (!readContentLines(bytes, lines, error))
        return false;
    std::vector<YearlyDate> found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        // Every top-level line is a BEGIN of a contact or calendar (checked
        // by the reader); each reader leaves i on the END that closes it.
        const bool contact = upperText(lines[i].value) == "VCARD";
        const bool read = contact ? readContactDates(lines, i, found, error)
                                  : readCalendarDates(lines, i, year, found, error);
        if (!read)
            return false;
    }
    dates.insert(dates.end(), found.begin(), found.end());
    return true;
}

} // namespace veltrano
