#pragma once
// The process-wide date format that chooses order and separator of dates in
// text. Set at start-up and when the user changes the setting; formatting and
// parsing read it at the moment of the call.
//
//   0 dd.mm.yyyy   1 dd-mm-yyyy   2 dd/mm/yyyy   3 mm/dd/yyyy   4 mm-dd-yyyy
//
// Any other value is stored as given and formats like 0.

#include <cstdint>

namespace veltrano {

inline constexpr std::int32_t dateFormatCount = 5;

std::int32_t dateFormat();
void setDateFormat(std::int32_t format);

// True for the month-first formats 3 and 4.
constexpr bool isMonthFirstFormat(std::int32_t format) {
    return format == 3 || format == 4;
}

} // namespace veltrano
