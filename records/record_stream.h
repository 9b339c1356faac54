#pragma once
// RecordStream carries a record's fields to or from its payload bytes.
//
// The payload holds the fields of a record type in a fixed order, with no tags
// and no separators. One Serialize function of a record class serves both
// directions: each field operation reads into the field or writes from it,
// depending on the stream's direction.
//
// The stream is a zero-filled buffer of 60000 bytes. A field whose bytes would
// run past it is skipped: not stored when writing, left as it was when reading,
// and the cursor does not move. Bytes past a loaded payload read as zeros, so
// the fields beyond the end of a short payload read as 0, "" and the empty date.
// Texts are Windows-1252 with a terminating zero byte in the payload and UTF-8
// in memory.

#include "core/date_value.h"
#include "core/time_of_day.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace veltrano {

class CDateArray;

class RecordStream {
  public:
    enum class Direction { Reading, Writing };

    explicit RecordStream(Direction direction);

    bool isReading() const { return direction_ == Direction::Reading; }
    // Bytes consumed or produced so far.
    std::size_t position() const { return position_; }
    // Copies a payload into the buffer (at most the buffer's size) and moves the
    // cursor to its start; the rest of the buffer stays zero.
    void load(std::span<const std::uint8_t> payload);
    // The bytes written so far.
    std::span<const std::uint8_t> written() const { return {buffer_.data(), position_}; }

    void int32(std::int32_t& value);
    void text(std::string& value);
    // A date refused by DateValue::unpack leaves the field as it was.
    void date(DateValue& value);
    // Hour byte 0xFF with minute 0 is the empty time; other pairs are taken
    // only with hour 0..23 and minute 0..59.
    void time(TimeOfDay& value);
    // A flag set of flags.size() flags in ceil(n / 8) bytes; reading gives 1 or 0.
    void flagSet(std::span<std::uint8_t> flags);
    // One flag in one byte; reading takes bit 0.
    void flag(std::uint8_t& value);
    // A count, then that many packed dates. Reading empties the list and reads
    // at most 10000 values; a count of 0 or less reads none.
    void dateList(CDateArray& list);

    static constexpr std::size_t kCapacity = 60000;
    static constexpr std::int32_t kMaxListValues = 10000;

  private:
    // The n bytes of the next field, or nullptr when they would pass the limit.
    std::uint8_t* take(std::size_t n);
    bool u32(std::uint32_t& value);

    Direction direction_;
    std::vector<std::uint8_t> buffer_;
    std::size_t position_ = 0;
};

} // namespace veltrano
