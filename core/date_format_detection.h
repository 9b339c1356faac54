#pragma once
// Choosing the date format (0..4, see dateFormat) from the user's locale at the first
// start.

#include <string_view>

namespace veltrano {

// The date format that matches a short-date pattern such as "dd.MM.yyyy" or "M/d/yy":
// the separator is "/" if the pattern has one, else "-" if it has one, else "."; the
// pattern is month-first when it starts with "m" or "M". Month-first gives 3 for "/",
// 4 for "-" and 0 for "."; day-first gives 2, 1 and 0. A pattern shorter than four
// characters (also the empty one, when the locale could not be read) gives 0.
int detectDateFormat(std::string_view pattern);

} // namespace veltrano
