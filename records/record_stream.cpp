#include "records/record_stream.h"

#include "core/date_array.h"
#include "core/encoding.h"
#include "records/vdt_format.h"

#include <algorithm>
#include <cstring>

namespace veltrano {

RecordStream::RecordStream(Direction direction) : direction_(direction), buffer_(kCapacity, 0) {}

void RecordStream::load(std::span<const std::uint8_t> payload) {
    std::fill(buffer_.begin(), buffer_.end(), std::uint8_t{0});
    std::size_t n = std::min(payload.size(), buffer_.size());
    std::copy_n(payload.begin(), n, buffer_.begin());
    position_ = 0;
}

std::uint8_t* RecordStream::take(std::size_t n) {
    if (n > kCapacity - position_)
        return nullptr;
    std::uint8_t* bytes = buffer_.data() + position_;
    position_ += n;
    return bytes;
}

bool RecordStream::u32(std::uint32_t& value) {
    std::uint8_t* bytes = take(4);
    if (!bytes)
        return false;
    if (isReading())
        value = vdt::readU32(bytes);
    else
        vdt::writeU32(bytes, value);
    return true;
}

void RecordStream::int32(std::int32_t& value) {
    std::uint32_t raw = static_cast<std::uint32_t>(value);
    if (u32(raw) && isReading())
        value = static_cast<std::int32_t>(raw);
}

void RecordStream::text(std::string& value) {
    if (isReading()) {
        const std::uint8_t* start = buffer_.data() + position_;
        const std::uint8_t* end = buffer_.data() + buffer_.size();
        const std::uint8_t* zero = std::find(start, end, std::uint8_t{0});
        if (zero == end)
            return; // no terminating zero inside the buffer: the field does not fit
        std::size_t length = static_cast<std::size_t>(zero - start);
        take(length + 1);
        value = windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(start), length));
        return;
    }
    std::string bytes = utf8ToWindows1252(value);
    // An embedded zero byte would end the text early; the text ends there.
    bytes.resize(std::strlen(bytes.c_str()));
    std::uint8_t* out = take(bytes.size() + 1);
    if (!out)
        return;
    std::memcpy(out, bytes.data(), bytes.size());
    out[bytes.size()] = 0;
}

void RecordStream::date(DateValue& value) {
    std::uint32_t raw = value.pack();
    if (!u32(raw) || !isReading())
        return;
    DateValue read = value;
    if (read.unpack(raw))
        value = read;
}

void RecordStream::time(TimeOfDay& value) {
    std::uint8_t* bytes = take(2);
    if (!bytes)
        return;
    if (!isReading()) {
        std::uint16_t packed = value.pack();
        bytes[0] = static_cast<std::uint8_t>(packed & 0xFF);
        bytes[1] = static_cast<std::uint8_t>(packed >> 8);
        return;
    }
    TimeOfDay read = value;
    if (read.unpack(static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8)))
        value = read;
}

void RecordStream::flagSet(std::span<std::uint8_t> flags) {
    std::uint8_t* bytes = take((flags.size() + 7) / 8);
    if (!bytes)
        return;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        std::uint8_t bit = static_cast<std::uint8_t>(1u << (i % 8));
        if (isReading())
            flags[i] = (bytes[i / 8] & bit) ? 1 : 0;
        else if (flags[i] != 0)
            bytes[i / 8] |= bit;
    }
}

void RecordStream::flag(std::uint8_t& value) {
    std::uint8_t* byte = take(1);
    if (!byte)
        return;
    if (isReading())
        value = *byte & 1;
    else
        *byte = value != 0 ? 1 : 0;
}

void RecordStream::dateList(CDateArray& list) {
    if (!isReading()) {
        std::int32_t count = list.count();
        int32(count);
        for (std::int32_t i = 0; i < count; ++i) {
            std::uint32_t value = list.at(i);
            u32(value);
        }
        return;
    }
    list.clear();
    std::int32_t count = 0;
    int32(count);
    count = std::min(count, kMaxListValues);
    for (std::int32_t i = 0; i < count; ++i) {
        std::uint32_t value = 0;
        u32(value); // a value past the limit is kept as 0
        list.add(value);
    }
}

} // namespace veltrano
