#include "records/record_file_check.h"

#include "records/vdt_format.h"

#include <cstddef>

namespace veltrano::vdt {

bool blockDecodes(const std::uint8_t* block) {
    const BlockHeader header = readBlockHeader(block);
    if (header.state == kStateFree)
        return true;
    return header.state == kStateLive && header.id != 0 && header.id <= kMaxPlausibleId &&
           header.position < header.count;
}

bool looksLikeRecordFile(const std::uint8_t* header, const std::uint8_t* blocks, std::uint32_t n) {
    if (header[0] != 1 || header[1] != 0 || header[2] != 0 || header[3] != 0)
        return false;
    std::uint32_t decoding = 0;
    for (std::uint32_t i = 0; i < n; ++i)
        decoding += blockDecodes(blocks + std::size_t{i} * kBlockSize) ? 1 : 0;
    // Even a much damaged record file has one block in eight that decodes;
    // random bytes have about one in two hundred.
    return std::uint64_t{decoding} * 8 >= n;
}

} // namespace veltrano::vdt
