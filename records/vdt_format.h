#pragma once
// Byte layout of a vdt record file, the block-structured file in which the
// sibling address book and appointment book keep their records.
//
// The file is a sequence of 256-byte blocks. Block 0 is a header; every other
// block belongs to one record or is free. Numbers are little-endian.

#include <cstddef>
#include <cstdint>

namespace veltrano::vdt {

// Every block, header or record block, is this long; a trailing partial block
// counts as a block and reads as its bytes followed by zeros.
inline constexpr std::uint32_t kBlockSize = 256;
// The record block header: state, position, block count, type, record ID.
inline constexpr std::uint32_t kBlockHeaderSize = 8;
// Payload bytes carried by one record block.
inline constexpr std::uint32_t kBlockPayloadSize = kBlockSize - kBlockHeaderSize;

// Offsets inside a record block.
inline constexpr std::size_t kStateOffset = 0;    // 1 live, 0 free, other values damaged
inline constexpr std::size_t kPositionOffset = 1; // index of the block within its record
inline constexpr std::size_t kCountOffset = 2;    // blocks of the whole record
inline constexpr std::size_t kTypeOffset = 3;     // record type
inline constexpr std::size_t kIdOffset = 4;       // record ID, 4 bytes

inline constexpr std::uint8_t kStateFree = 0;
inline constexpr std::uint8_t kStateLive = 1;

// Record IDs the owning products hand out stay below this; a block with a
// larger ID (and other implausible fields) is taken for damage.
inline constexpr std::uint32_t kMaxPlausibleId = 100000000;

// A record serialises into at most this many bytes.
inline constexpr std::size_t kMaxPayloadSize = 60000;
// Only the payload of a record's first 241 blocks is read (59768 bytes).
inline constexpr std::uint32_t kMaxRecordBlocks = 241;

// The scan reads the file in windows of up to this many blocks.
inline constexpr std::uint32_t kWindowBlocks = 1024;

// Record types read by this program.
inline constexpr std::int32_t kTypeAppointment = 1;
inline constexpr std::int32_t kTypeContact = 11;

// Little-endian reading and writing of the fixed-size numbers.
inline std::uint32_t readU32(const std::uint8_t* bytes) {
    return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
           static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

inline void writeU32(std::uint8_t* bytes, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The fields of one record block's header.
struct BlockHeader {
    std::uint8_t state = 0;
    std::uint8_t position = 0;
    std::uint8_t count = 0;
    std::uint8_t type = 0;
    std::uint32_t id = 0;
};

inline BlockHeader readBlockHeader(const std::uint8_t* block) {
    return BlockHeader{block[kStateOffset], block[kPositionOffset], block[kCountOffset],
                       block[kTypeOffset], readU32(block + kIdOffset)};
}

} // namespace veltrano::vdt
