#pragma once
// CVarData, the base of the record classes, and its forward scan over every
// record of one type in a vdt file.
//
// The only use is: construct a record object, call MoveNext until it returns
// false, and read the record's fields after each true result. The scan reads
// the file through a window of up to 1024 blocks, keeps the store open while it
// runs, and starts again at block 1 after it has returned false.
//
// The scan never writes to the file except in one case: a block whose header is
// implausible in every field (state above 1, ID above 100000000, position and
// block count above 1) and that the next block does not continue is zeroed,
// which makes it a free block. The decision is taken again under the lock of
// the write, and only in a file that looks like a record file (else the scan
// ends with kNotARecordFile); in a file that can only be read the block is
// left as it is, and the user is told once per scan.
//
// A scan that returns false tells by scanError() whether it reached the end
// of the file (0) or stopped on an error.

#include "records/var_base.h"

#include <cstdint>
#include <memory>

namespace veltrano {

class RecordStream;

// scanError() of a scan that met a file that is no record file.
inline constexpr int kNotARecordFile = -1;

// Message numbers of the scan: the file is no record file (a cause text), and
// damaged blocks stay as they are because the file can only be read.
inline constexpr int kMessageNotARecordFile = 29720;
inline constexpr int kMessageReadOnlyNotRepaired = 29721;

// The blocks of the file that the scan holds in memory.
struct BlockWindow {
    std::unique_ptr<std::uint8_t[]> buffer; // kWindowBlocks blocks while a scan runs
    std::uint32_t fileBlockCount = 0;       // taken when the scan started; 0 = no scan
    std::uint32_t firstBlock = 0;           // number of the first block held
    std::uint32_t heldBlocks = 0;           // blocks held in the buffer
};

class CVarData {
  public:
    explicit CVarData(std::int32_t recordType) : recordType_(recordType) {}
    CVarData(const CVarData&) = delete;
    CVarData& operator=(const CVarData&) = delete;
    // Ends a scan in progress, so that the store is not left open.
    virtual ~CVarData();

    // Every field to its reset state: the record's own fields (ResetFields) and
    // the base's ID, first block, block count, state, scan position and window.
    void Reset();
    // Reads or writes the record class's fields in payload order.
    virtual void Serialize(RecordStream& stream) = 0;
    // The store of the record class, shared by all its records.
    virtual CVarBase& GetStore() const = 0;

    // Loads the next record of this class's type; false when there is none
    // (end of file, a chain running past the end, or a failed access).
    bool MoveNext();

    std::int32_t recordType() const { return recordType_; }
    std::uint32_t recordId() const { return recordId_; }
    std::int32_t firstBlock() const { return firstBlock_; }
    std::int32_t blockCount() const { return blockCount_; }
    std::uint8_t state() const { return state_; }
    std::uint32_t scanPosition() const { return scanPosition_; }
    bool scanning() const { return window_.fileBlockCount != 0; }
    // Why the last scan stopped: 0 at the end of the file, else the errno of the
    // failed access (see CVarBase::lastError) or kNotARecordFile.
    int scanError() const { return scanError_; }

  protected:
    // The record class's own fields to their reset state.
    virtual void ResetFields() = 0;

  private:
    bool startScan();
    // The n blocks from p through the window, or nullptr when they cannot be had.
    std::uint8_t* fetch(std::uint32_t p, std::uint32_t n);
    void releaseWindow();
    // Moves the scan position past a block or record of that many blocks (at least 1).
    void advance(std::uint32_t p, std::uint32_t blocks);
    // Zeroes block p when it is damaged; false (scanError_ set) when the file
    // turned out not to be a record file.
    bool repairDamagedBlock(std::uint32_t p, std::uint8_t* block);
    bool fileLooksLikeRecordFile();
    void readRecord(const std::uint8_t* blocks, std::uint32_t n);

    std::int32_t recordType_;
    std::uint32_t recordId_ = 0;
    std::int32_t firstBlock_ = 0;
    std::int32_t blockCount_ = 0;
    std::uint8_t state_ = 0;
    std::uint32_t scanPosition_ = 0;
    BlockWindow window_;
    CVarBase* scanStore_ = nullptr; // the store held open while a scan runs
    int scanError_ = 0;
    bool fileChecked_ = false;   // this scan has judged the file worth repairing
    bool readOnlyNoted_ = false; // this scan has told that it cannot repair
};

} // namespace veltrano
