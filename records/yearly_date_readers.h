#pragma once
// The two readers behind readYearlyDates: each starts at the BEGIN line of one
// contact or calendar, appends what it finds and leaves `index` on the END line
// that closes it. False with `error` set on a date that is not a day.

#include "records/yearly_dates.h"

namespace veltrano {

bool readContactDates(const std::vector<ContentLine>& lines, std::size_t& index,
                      std::vector<YearlyDate>& dates, ContentReadError& error);

bool readCalendarDates(const std::vector<ContentLine>& lines, std::size_t& index, std::int32_t year,
                       std::vector<YearlyDate>& dates, ContentReadError& error);

// Reads a date value into `date`; a value that is no date form or no day sets
// a BadDate error naming the line and the value. NoDay forms answer false
// without an error.
bool readDateValue(const ContentLine& line, ParsedDate& date, ContentReadError& error);

} // namespace veltrano
