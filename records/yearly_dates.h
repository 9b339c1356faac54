#pragma once
// Birthdays and other yearly dates from contact files (vCard 2.1, 3.0, 4.0)
// and calendar files (iCalendar), in file order.
//
// Contacts: every BDAY gives the contact's name, every ANNIVERSARY or
// X-...ANNIVERSARY "<name> (Jahrestag)" (translated); the name is FN, else the
// parts of N. Calendars: every VEVENT that recurs yearly in `year` (RRULE
// FREQ=YEARLY not ended before it) or is marked as a birthday or anniversary
// (CATEGORIES, or an X- property naming BIRTHDAY or ANNIVERSARY) gives its
// SUMMARY on the day its DTSTART names, as written (a time zone does not move
// the day). A date that is not a day of the calendar is a fault with its line.

#include "records/content_lines.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace veltrano {

struct YearlyDate {
    int month = 1; // 1..12
    int day = 1;   // 1..31; 29 February stays 29 February
    std::string text;
    int line = 0; // the line of the date in the file
};

// Reads the whole file content; on failure `dates` is unchanged and `error`
// says why and where.
bool readYearlyDates(std::string_view bytes, std::int32_t year, std::vector<YearlyDate>& dates,
                     ContentReadError& error);

// A date value of a contact or calendar file: "YYYY-MM-DD", "YYYYMMDD",
// "--MMDD", "--MM-DD", each optionally followed by "T" and a time.
struct ParsedDate {
    int year = 0; // 0 when the form has no year
    int month = 0;
    int day = 0;
};
enum class DateForm {
    Day,     // a day of the calendar
    NoDay,   // a form that names no day (a year or month alone): passed over
    Invalid, // anything else, or a day the month does not have
};
DateForm parseContentDate(std::string_view value, ParsedDate& date);

} // namespace veltrano
