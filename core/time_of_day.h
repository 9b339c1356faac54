#pragma once
// A time of day of hour and minute; hour -1 means the time is empty.

#include <cstdint>
#include <iosfwd>
#include <type_traits>

namespace veltrano {

class TimeOfDay {
  public:
    std::int32_t hour = -1;  // 0..23; -1 when empty
    std::int32_t minute = 0; // 0..59; 0 when empty

    void clear() { *this = TimeOfDay{}; }
    // Hour -1 with minute 0 makes the time empty; otherwise hour 0..23 and minute
    // 0..59 are required. Returns false and leaves the time unchanged otherwise.
    bool set(std::int32_t h, std::int32_t m);
    bool isEmpty() const { return hour == -1; }

    bool equals(const TimeOfDay& other) const { return *this == other; }
    bool isEarlier(const TimeOfDay& other) const;
    bool isLater(const TimeOfDay& other) const { return other.isEarlier(*this); }

    // Packed form: low byte the hour (0xFF when empty), high byte the minute.
    std::uint16_t pack() const;
    // Reads the hour byte as signed and the minute byte unsigned, then set();
    // returns its result.
    bool unpack(std::uint16_t packed);

    friend bool operator==(const TimeOfDay&, const TimeOfDay&) = default;
};

static_assert(sizeof(TimeOfDay) == 8);
static_assert(std::is_trivially_copyable_v<TimeOfDay>);

std::ostream& operator<<(std::ostream& out, const TimeOfDay& time);

} // namespace veltrano
