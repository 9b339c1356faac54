#include "records/var_data.h"

#include "records/record_stream.h"
#include "records/vdt_format.h"

#include <algorithm>
#include <cstring>
#include <new>

namespace veltrano {

CVarData::~CVarData() {
    releaseWindow();
}

void CVarData::Reset() {
    ResetFields();
    recordId_ = 0;
    firstBlock_ = 0;
    blockCount_ = 0;
    state_ = 0;
    scanPosition_ = 0;
    releaseWindow();
}

void CVarData::releaseWindow() {
    if (scanStore_)
        scanStore_->Close();
    scanStore_ = nullptr;
    window_.buffer.reset();
    window_.fileBlockCount = 0;
    window_.firstBlock = 0;
    window_.heldBlocks = 0;
}

bool CVarData::startScan() {
    scanPosition_ = 1;
    window_.buffer.reset(new (std::nothrow) std::uint8_t[vdt::kWindowBlocks * vdt::kBlockSize]());
    if (!window_.buffer)
        return false;
    CVarBase& store = GetStore();
    if (!store.Open()) {
        window_.buffer.reset();
        return false;
    }
    scanStore_ = &store;
    window_.fileBlockCount = store.GetBlockCount();
    window_.firstBlock = 0;
    window_.heldBlocks = 0;
    if (window_.fileBlockCount == 0) {
        releaseWindow();
        return false;
    }
    return true;
}

std::uint8_t* CVarData::fetch(std::uint32_t p, std::uint32_t n) {
    std::uint32_t total = window_.fileBlockCount;
    if (n > vdt::kWindowBlocks || p > total || n > total - p)
        return nullptr;
    bool inside = p >= window_.firstBlock && p - window_.firstBlock <= window_.heldBlocks &&
                  n <= window_.heldBlocks - (p - window_.firstBlock);
    if (!inside || window_.heldBlocks == 0) {
        window_.firstBlock = 0;
        window_.heldBlocks = 0;
        std::uint32_t load = std::min(total - p, vdt::kWindowBlocks);
        if (!scanStore_->ReadBlocks(p, load, window_.buffer.get()))
            return nullptr;
        window_.firstBlock = p;
        window_.heldBlocks = load;
    }
    return window_.buffer.get() + std::size_t{p - window_.firstBlock} * vdt::kBlockSize;
}

void CVarData::checkDamagedBlock(std::uint32_t p, std::uint8_t* block) {
    vdt::BlockHeader header = vdt::readBlockHeader(block);
    if (header.state <= 1 || header.id <= vdt::kMaxPlausibleId || header.count <= 1 ||
        header.position <= 1 || p + 1 >= window_.fileBlockCount)
        return;
    std::uint8_t next[vdt::kBlockSize];
    if (!scanStore_->ReadBlocks(p + 1, 1, next))
        return;
    vdt::BlockHeader following = vdt::readBlockHeader(next);
    if (following.id == header.id && following.count == header.count &&
        std::uint32_t{following.position} == std::uint32_t{header.position} + 1)
        return;
    std::memset(block, 0, vdt::kBlockSize);
    scanStore_->WriteBlocks(p, 1, block);
}

void CVarData::readRecord(const std::uint8_t* blocks, std::uint32_t n) {
    RecordStream stream(RecordStream::Direction::Reading);
    std::uint32_t used = std::min(n, vdt::kMaxRecordBlocks);
    std::vector<std::uint8_t> payload(std::size_t{used} * vdt::kBlockPayloadSize);
    for (std::uint32_t i = 0; i < used; ++i)
        std::memcpy(payload.data() + std::size_t{i} * vdt::kBlockPayloadSize,
                    blocks + std::size_t{i} * vdt::kBlockSize + vdt::kBlockHeaderSize,
                    vdt::kBlockPayloadSize);
    stream.load(payload);
    // Every record starts from the reset state, so that a field missing from a
    // short payload, or refused on reading, never keeps the previous record's value.
    ResetFields();
    Serialize(stream);
}

void CVarData::advance(std::uint32_t p, std::uint32_t blocks) {
    // Stepping past the end only ends the scan; it never wraps around.
    std::uint64_t next = std::uint64_t{p} + std::max<std::uint32_t>(blocks, 1);
    scanPosition_ =
        static_cast<std::uint32_t>(std::min<std::uint64_t>(next, window_.fileBlockCount));
}

bool CVarData::MoveNext() {
    if (window_.fileBlockCount == 0 && !startScan())
        return false;
    while (scanPosition_ < window_.fileBlockCount) {
        std::uint32_t p = scanPosition_;
        std::uint8_t* block = fetch(p, 1);
        if (!block)
            break;
        checkDamagedBlock(p, block);
        vdt::BlockHeader header = vdt::readBlockHeader(block);
        if (header.type != static_cast<std::uint32_t>(recordType_) ||
            header.state == vdt::kStateFree) {
            advance(p, header.count);
            continue;
        }
        std::uint32_t n = header.count;
        const std::uint8_t* blocks = n == 0 ? nullptr : fetch(p, n);
        if (n != 0 && !blocks)
            break;
        readRecord(blocks, n);
        state_ = header.state;
        recordId_ = header.id;
        blockCount_ = header.count;
        firstBlock_ = static_cast<std::int32_t>(p);
        advance(p, n);
        return true;
    }
    releaseWindow();
    return false;
}

} // namespace veltrano
