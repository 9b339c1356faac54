#include "core/number_reader.h"

#include <limits>

namespace veltrano {

NumberRead readNumber(std::string_view text) {
    NumberRead result;
    std::size_t i = 0;
    while (i < text.size() && isNumberSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range.
    constexpr std::int64_t limit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    std::size_t digitsStart = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        if (magnitude <= limit)
            magnitude = magnitude * 10 + (text[i] - '0');
        ++i;
    }
    if (i == digitsStart)
        return result;
    std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        value = std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        value = std::numeric_limits<std::int32_t>::min();
    result.value = static_cast<std::int32_t>(value);
    result.end = i;
    result.hasDigits = true;
    return result;
}

} // namespace veltrano
