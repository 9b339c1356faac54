#include "core/time_of_day.h"

#include <ostream>

namespace veltrano {

bool TimeOfDay::set(std::int32_t h, std::int32_t m) {
    if (h == -1 && m == 0) {
        clear();
        return true;
    }
    if (h < 0 || h > 23 || m < 0 || m > 59) {
        return false;
    }
    hour = h;
    minute = m;
    return true;
}

bool TimeOfDay::isEarlier(const TimeOfDay& other) const {
    return hour != other.hour ? hour < other.hour : minute < other.minute;
}

std::uint16_t TimeOfDay::pack() const {
    const auto hourByte = static_cast<std::uint16_t>(static_cast<std::uint32_t>(hour) & 0xFFu);
    const auto minuteByte = static_cast<std::uint16_t>(static_cast<std::uint32_t>(minute) & 0xFFu);
    return static_cast<std::uint16_t>(hourByte | (minuteByte << 8));
}

bool TimeOfDay::unpack(std::uint16_t packed) {
    const auto hourByte = static_cast<std::int8_t>(packed & 0xFFu);
    return set(hourByte, static_cast<std::int32_t>(packed >> 8));
}

std::ostream& operator<<(std::ostream& out, const TimeOfDay& time) {
    if (time.isEmpty()) {
        return out << "(empty time)";
    }
    return out << time.hour << ':' << (time.minute < 10 ? "0" : "") << time.minute;
}

} // namespace veltrano
