#pragma once
// Builds vdt record files for tests, byte by byte from the file format, without
// the program's own record code: well-formed files, and files with free blocks,
// foreign record types, damaged blocks, partial last blocks and odd payloads.

#include <cstdint>
#include <string>
#include <vector>

namespace veltrano::test {

using Bytes = std::vector<std::uint8_t>;

// The fields of a payload, in the order they are added.
class PayloadBuilder {
  public:
    PayloadBuilder& i32(std::int32_t value);
    PayloadBuilder& u32(std::uint32_t value);
    // The bytes as given (Windows-1252 in real files), then a zero byte.
    PayloadBuilder& text(const std::string& bytes);
    PayloadBuilder& date(int day, int month, int year);
    PayloadBuilder& emptyDate() { return u32(0); }
    PayloadBuilder& time(std::uint8_t hourByte, std::uint8_t minuteByte);
    PayloadBuilder& raw(const Bytes& bytes);
    PayloadBuilder& zeros(std::size_t n);
    const Bytes& bytes() const { return bytes_; }

  private:
    Bytes bytes_;
};

std::uint32_t packedDate(int day, int month, int year);

// A contact payload: created date, number, birthday (0 = none), 13 flag bytes,
// the text count, then the texts given (which may differ from the count).
Bytes contactPayload(std::uint32_t birthday, const std::vector<std::string>& texts,
                     std::int32_t textCount);
// A contact as the owning product writes it: 17 texts, text 2 being name.
Bytes contactPayload(std::uint32_t birthday, const std::string& name);

// An appointment payload of the given kind, date and text; the date list has
// listCount entries announced and listValues written.
Bytes appointmentPayload(std::int32_t kind, std::uint32_t date, const std::string& text,
                         std::int32_t listCount = 0,
                         const std::vector<std::uint32_t>& listValues = {});

// One 256-byte block with the given header fields and up to 248 payload bytes.
Bytes block(std::uint8_t state, std::uint8_t position, std::uint8_t count, std::uint8_t type,
            std::uint32_t id, const Bytes& payload = {});

class VdtBuilder {
  public:
    // Starts with the header block.
    explicit VdtBuilder(std::uint32_t nextId = 1);

    // A record in ceil(L / 248) blocks (at least one); returns its first block.
    std::uint32_t record(std::uint8_t type, std::uint32_t id, const Bytes& payload);
    // n free blocks (all zero).
    VdtBuilder& freeBlocks(std::uint32_t n);
    // Any block as given (must be 256 bytes).
    VdtBuilder& rawBlock(const Bytes& block);
    // Bytes after the last whole block, making a partial last block.
    VdtBuilder& tail(const Bytes& bytes);

    std::uint32_t blockCount() const {
        return static_cast<std::uint32_t>((bytes_.size() + 255) / 256);
    }
    const Bytes& bytes() const { return bytes_; }
    void writeTo(const std::string& path) const;

  private:
    Bytes bytes_;
};

Bytes readFileBytes(const std::string& path);
void writeFileBytes(const std::string& path, const Bytes& bytes);

} // namespace veltrano::test
