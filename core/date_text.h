#pragma once
// Dates and times as text: formatting in the current date format and reading
// what the user typed. Readers never read past the text and never overflow;
// on failure they return false and leave the value unchanged.

#include "core/date_value.h"
#include "core/time_of_day.h"

#include <string>
#include <string_view>

namespace veltrano {

// The date in the current dateFormat ("24.12.2024", "12/24/2024" ...); "" when
// the date is empty.
std::string formatDate(const DateValue& date);

// Reads typed text into date by the current dateFormat; missing parts are taken
// from today. Returns false (date unchanged) when the text is not a date.
bool parseDate(std::string_view text, DateValue& date);
// As parseDate, but the day stays as typed (1..31) instead of being cut to the
// month's length: "29.2.2027" gives 29 February 2027, an intermediate value for
// callers that move day and month into another year and cut the day there.
bool parseDateKeepingDay(std::string_view text, DateValue& date);

// The time through the time format text ("07:30 Uhr"); "" when the time is empty.
std::string formatTime(const TimeOfDay& time);

// Reads "h:mm", "hmm"/"hhmm" or a bare hour. Empty text makes the time empty and
// succeeds. Returns false (time unchanged) outside 0..23 and 0..59.
bool parseTime(std::string_view text, TimeOfDay& time);

// Month name i = 0..11 in the current language; any other i gives January's.
std::string monthName(std::int32_t i);

} // namespace veltrano
