#pragma once
// Whether a file is plausibly a vdt record file, judged from its header block
// and a run of its record blocks. Asked before the scan writes into a file, so
// that a wrong file (a mis-set product folder, random bytes) is never "repaired".

#include <cstdint>

namespace veltrano::vdt {

// Whether one record block decodes: a free block (state 0), or a live block
// (state 1) with an ID of 1 .. kMaxPlausibleId and a position inside its count.
bool blockDecodes(const std::uint8_t* block);

// header is block 0; blocks holds n record blocks. Plausible when the header
// starts with 1, 0, 0, 0 and at least one in eight of the n blocks decodes (n = 0:
// the header alone decides).
bool looksLikeRecordFile(const std::uint8_t* header, const std::uint8_t* blocks, std::uint32_t n);

} // namespace veltrano::vdt
