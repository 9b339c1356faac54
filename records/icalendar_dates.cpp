// Yearly events of one calendar (iCalendar): recurring yearly, or marked as a
// birthday or anniversary.

#include "records/yearly_date_readers.h"

#include <algorithm>
#include <cstdlib>

namespace veltrano {
namespace {

bool namesYearlyDay(std::string_view text) {
    const std::string upper = upperText(text);
    return upper.find("BIRTHDAY") != std::string::npos ||
           upper.find("ANNIVERSARY") != std::string::npos ||
           upper.find("GEBURTSTAG") != std::string::npos ||
           upper.find("JAHRESTAG") != std::string::npos;
}

// An event marked as a birthday: by a category, or by a property of a
// calendar program ("X-...-BIRTHDAY", or an X- property whose value says so).
bool marksBirthday(const ContentLine& line) {
    if (line.name == "CATEGORIES") {
        for (std::string_view category : splitContentValue(line.value, ','))
            if (namesYearlyDay(unescapeContentText(category)))
                return true;
        return false;
    }
    if (!line.name.starts_with("X-"))
        return false;
    const std::string value = upperText(unescapeContentText(line.value));
    return namesYearlyDay(line.name) || value == "BIRTHDAY" || value == "ANNIVERSARY";
}

struct Event {
    std::string summary;
    const ContentLine* start = nullptr;
    const ContentLine* rule = nullptr;
    bool marked = false;
};

// Whether a yearly rule starting in `startYear` has an occurrence in `year`;
// false when the rule is not yearly. A bad UNTIL date is a fault.
bool recursIn(const ContentLine& rule, int startYear, std::int32_t year, bool& yearly,
              ContentReadError& error) {
    int interval = 1;
    long long count = 0;
    int until = 0;
    yearly = false;
    for (std::string_view part : splitContentValue(rule.value, ';')) {
        const std::size_t equals = part.find('=');
        const std::string key = upperText(part.substr(0, equals));
        const std::string value =
            equals == std::string_view::npos ? std::string() : std::string(part.substr(equals + 1));
        if (key == "FREQ") {
            yearly = upperText(value) == "YEARLY";
        } else if (key == "INTERVAL") {
            interval = std::clamp(std::atoi(value.c_str()), 1, 1000);
        } else if (key == "COUNT") {
            count = std::clamp(std::atoll(value.c_str()), 0LL, 100000LL);
        } else if (key == "UNTIL") {
            ParsedDate end;
            if (parseContentDate(value, end) != DateForm::Day || end.year == 0) {
                error = {ContentFault::BadDate, rule.line, value};
                return false;
            }
            until = end.year;
        }
    }
    if (!yearly || startYear > year || (until != 0 && until < year))
        return false;
    if ((year - startYear) % interval != 0)
        return false;
    return count == 0 || startYear + (count - 1) * interval >= year;
}

// Adds the event when it falls on a day of `year` every year; false on a fault.
bool takeEvent(const Event& event, std::int32_t year, std::vector<YearlyDate>& dates,
               ContentReadError& error) {
    if (event.start == nullptr)
        return true;
    ParsedDate start;
    if (!readDateValue(*event.start, start, error))
        return error.fault == ContentFault::None;
    bool yearly = false;
    const bool recurs =
        event.rule != nullptr &&
        recursIn(*event.rule, start.year == 0 ? year : start.year, year, yearly, error);
    if (error.fault != ContentFault::None)
        return false;
    if ((recurs || event.marked) && !event.summary.empty())
        dates.push_back({start.month, start.day, event.summary, event.start->line});
    return true;
}

} // namespace

bool readCalendarDates(const std::vector<ContentLine>& lines, std::size_t& index, std::int32_t year,
                       std::vector<YearlyDate>& dates, ContentReadError& error) {
    // Depth 1 is the calendar, 2 an event or time zone, 3 an alarm inside it.
    int depth = 0;
    bool inEvent = false;
    Event event;
    for (; index < lines.size(); ++index) {
        const ContentLine& line = lines[index];
        if (line.name == "BEGIN") {
            ++depth;
            if (depth == 2 && upperText(line.value) == "VEVENT") {
                inEvent = true;
                event = Event{};
            }
            continue;
        }
        if (line.name == "END") {
            --depth;
            if (depth == 1 && inEvent) {
                inEvent = false;
                if (!takeEvent(event, year, dates, error))
                    return false;
            }
            if (depth == 0)
                return true;
            continue;
        }
        if (!inEvent || depth != 2)
            continue;
        if (line.name == "SUMMARY")
            event.summary = unescapeContentText(line.value);
        else if (line.name == "DTSTART")
            event.start = &line;
        else if (line.name == "RRULE")
            event.rule = &line;
        else if (marksBirthday(line))
            event.marked = true;
    }
    return true;
}

} // namespace veltrano
