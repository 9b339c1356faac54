#include "records/var_data.h"

#include "core/message_presenter.h"
#include "core/strings.h"
#include "records/record_file_check.h"
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
    scanError_ = 0;
    fileChecked_ = false;
    readOnlyNoted_ = false;
    window_.buffer.reset(new (std::nothrow) std::uint8_t[vdt::kWindowBlocks * vdt::kBlockSize]());
    if (!window_.buffer)
        return false;
    CVarBase& store = GetStore();
    if (!store.Open()) {
        scanError_ = store.lastError();
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
        if (!scanStore_->ReadBlocks(p, load, window_.buffer.get())) {
            scanError_ = scanStore_->lastError();
            return nullptr;
        }
        window_.firstBlock = p;
        window_.heldBlocks = load;
    }
    return window_.buffer.get() + std::size_t{p - window_.firstBlock} * vdt::kBlockSize;
}

namespace {

// A block implausible in every header field can hold no record data...
bool looksDamaged(const vdt::BlockHeader& header) {
    return header.state > 1 && header.id > vdt::kMaxPlausibleId && header.count > 1 &&
           header.position > 1;
}

// ...unless the next block continues it as a chain.
bool isDamaged(const std::uint8_t* block, const std::uint8_t* next) {
    const vdt::BlockHeader header = vdt::readBlockHeader(block);
    const vdt::BlockHeader following = vdt::readBlockHeader(next);
    return looksDamaged(header) &&
           !(following.id == header.id && following.count == header.count &&
             std::uint32_t{following.position} == std::uint32_t{header.position} + 1);
}

} // namespace

bool CVarData::fileLooksLikeRecordFile() {
    std::uint8_t header[vdt::kBlockSize];
    if (!scanStore_->ReadBlocks(0, 1, header)) {
        scanError_ = scanStore_->lastError();
        return false;
    }
    // The record blocks held in the window stand for the file.
    const std::uint32_t skip = window_.firstBlock == 0 ? 1 : 0;
    const std::uint32_t n = window_.heldBlocks > skip ? window_.heldBlocks - skip : 0;
    return vdt::looksLikeRecordFile(header,
                                    window_.buffer.get() + std::size_t{skip} * vdt::kBlockSize, n);
}

bool CVarData::repairDamagedBlock(std::uint32_t p, std::uint8_t* block) {
    if (!looksDamaged(vdt::readBlockHeader(block)) || p + 1 >= window_.fileBlockCount)
        return true;
    if (!fileChecked_) {
        if (!fileLooksLikeRecordFile()) {
            if (scanError_ == 0)
                scanError_ = kNotARecordFile;
            return false;
        }
        fileChecked_ = true;
    }
    if (scanStore_->readOnly()) {
        if (!readOnlyNoted_)
            showMessage(loadString(kMessageReadOnlyNotRepaired) + "\n" + scanStore_->GetFilePath(),
                        MessageStyle::IconInformation | MessageStyle::Ok);
        readOnlyNoted_ = true;
        return true;
    }
    scanStore_->ZeroBlockIfStillDamaged(p, block, isDamaged);
    return true;
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
        if (!repairDamagedBlock(p, block))
            break;
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
