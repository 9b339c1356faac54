#pragma once
// Dates written the way people read them in test tables.

#include "core/date_value.h"

#include <cstdint>

namespace veltrano {

// The date day.month.year, taken as it stands: no validation, no cutting.
inline DateValue dateOf(std::int32_t day, std::int32_t month, std::int32_t year) {
    DateValue date;
    date.day = day;
    date.month = month;
    date.year = year;
    return date;
}

} // namespace veltrano
