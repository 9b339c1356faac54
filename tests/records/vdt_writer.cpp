#include "tests/records/vdt_writer.h"

#include <fstream>
#include <iterator>
#include <stdexcept>

namespace veltrano::test {

PayloadBuilder& PayloadBuilder::u32(std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes_.push_back(static_cast<std::uint8_t>((value >> (8 * i)) & 0xFF));
    return *this;
}

PayloadBuilder& PayloadBuilder::i32(std::int32_t value) {
    return u32(static_cast<std::uint32_t>(value));
}

PayloadBuilder& PayloadBuilder::text(const std::string& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    bytes_.push_back(0);
    return *this;
}

std::uint32_t packedDate(int day, int month, int year) {
    return static_cast<std::uint32_t>(day) | static_cast<std::uint32_t>(month) << 8 |
           static_cast<std::uint32_t>(year) << 16;
}

PayloadBuilder& PayloadBuilder::date(int day, int month, int year) {
    return u32(packedDate(day, month, year));
}

PayloadBuilder& PayloadBuilder::time(std::uint8_t hourByte, std::uint8_t minuteByte) {
    bytes_.push_back(hourByte);
    bytes_.push_back(minuteByte);
    return *this;
}

PayloadBuilder& PayloadBuilder::raw(const Bytes& bytes) {
    bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
    return *this;
}

PayloadBuilder& PayloadBuilder::zeros(std::size_t n) {
    bytes_.insert(bytes_.end(), n, 0);
    return *this;
}

Bytes contactPayload(std::uint32_t birthday, const std::vector<std::string>& texts,
                     std::int32_t textCount) {
    PayloadBuilder p;
    p.date(1, 2, 2003).i32(7).u32(birthday).zeros(13).i32(textCount);
    for (const std::string& t : texts)
        p.text(t);
    return p.bytes();
}

Bytes contactPayload(std::uint32_t birthday, const std::string& name) {
    std::vector<std::string> texts(17);
    texts[0] = "Vorname";
    texts[2] = name;
    texts[16] = "Notiz";
    return contactPayload(birthday, texts, 17);
}

Bytes appointmentPayload(std::int32_t kind, std::uint32_t date, const std::string& text,
                         std::int32_t listCount, const std::vector<std::uint32_t>& listValues) {
    PayloadBuilder p;
    p.i32(kind).u32(date).u32(0).time(9, 30).time(0xFF, 0).text(text);
    p.i32(0).i32(0).u32(0).i32(0).i32(0).u32(0).time(0xFF, 0).u32(0).time(0xFF, 0);
    p.i32(0).i32(0).raw({0}).i32(0).i32(0).i32(listCount);
    for (std::uint32_t v : listValues)
        p.u32(v);
    return p.bytes();
}

Bytes block(std::uint8_t state, std::uint8_t position, std::uint8_t count, std::uint8_t type,
            std::uint32_t id, const Bytes& payload) {
    Bytes b(256, 0);
    b[0] = state;
    b[1] = position;
    b[2] = count;
    b[3] = type;
    for (int i = 0; i < 4; ++i)
        b[4 + i] = static_cast<std::uint8_t>((id >> (8 * i)) & 0xFF);
    for (std::size_t i = 0; i < payload.size() && i < 248; ++i)
        b[8 + i] = payload[i];
    return b;
}

VdtBuilder::VdtBuilder(std::uint32_t nextId) {
    Bytes header(256, 0);
    header[0] = 1;
    for (int i = 0; i < 4; ++i)
        header[4 + i] = static_cast<std::uint8_t>((nextId >> (8 * i)) & 0xFF);
    bytes_ = header;
}

std::uint32_t VdtBuilder::record(std::uint8_t type, std::uint32_t id, const Bytes& payload) {
    std::uint32_t first = blockCount();
    std::size_t n = payload.empty() ? 1 : (payload.size() + 247) / 248;
    if (n > 255)
        throw std::invalid_argument("record too long for one block-count byte");
    for (std::size_t i = 0; i < n; ++i) {
        Bytes part(payload.begin() + static_cast<std::ptrdiff_t>(std::min(i * 248, payload.size())),
                   payload.begin() +
                       static_cast<std::ptrdiff_t>(std::min((i + 1) * 248, payload.size())));
        rawBlock(
            block(1, static_cast<std::uint8_t>(i), static_cast<std::uint8_t>(n), type, id, part));
    }
    return first;
}

VdtBuilder& VdtBuilder::freeBlocks(std::uint32_t n) {
    bytes_.insert(bytes_.end(), std::size_t{n} * 256, 0);
    return *this;
}

VdtBuilder& VdtBuilder::rawBlock(const Bytes& b) {
    if (b.size() != 256 || bytes_.size() % 256 != 0)
        throw std::invalid_argument("blocks are 256 bytes and follow whole blocks");
    bytes_.insert(bytes_.end(), b.begin(), b.end());
    return *this;
}

VdtBuilder& VdtBuilder::tail(const Bytes& b) {
    bytes_.insert(bytes_.end(), b.begin(), b.end());
    return *this;
}

void VdtBuilder::writeTo(const std::string& path) const {
    writeFileBytes(path, bytes_);
}

Bytes readFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void writeFileBytes(const std::string& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()),
              static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

} // namespace veltrano::test
