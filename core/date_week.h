#pragma once
// ISO 8601 week numbers of the civil (proleptic Gregorian) calendar. Weeks run
// Monday to Sunday; week 1 of a year is the week holding its first Thursday,
// so 29..31 December can be in week 1 and 1..3 January in week 52 or 53.

#include <cstdint>

namespace veltrano {

// The ISO week (1..53) of the date `day` days counted on from the last day
// before the 1st of month in year; day may lie outside the month (0 is the
// last day of the month before, 32 may be in the next). month 1..12.
std::int32_t isoWeekNumber(std::int32_t year, std::int32_t month, std::int32_t day);

} // namespace veltrano
