#pragma once
// CVarBase, the store of one vdt record file.
//
// The sibling products may have the same file open and change it while this
// program reads it, so the file is opened without denying anything and every
// block access holds a byte-range lock on exactly the bytes it touches. The
// locks are open-file-description locks: they exclude other processes (and
// other opens of the file) locking the same range.
//
// Open and Close nest; ReadBlocks and WriteBlocks open and close around their
// access, so a caller that keeps the store open keeps one file handle.
// Operations return false on failure. File errors are shown to the user with
// the file's path (ReportFileError); a lock that cannot be had within 5000 ms
// fails the access without a message. Either way lastError() tells the cause.
//
// The file belongs to another product: Open never creates it, and a file that
// cannot be written (no write permission bits, or refused by the system) is
// opened for reading only; writes to it then fail with EACCES.

#include <cstdint>
#include <functional>
#include <string>

namespace veltrano {

class CVarBase {
  public:
    CVarBase() = default;
    CVarBase(const CVarBase&) = delete;
    CVarBase& operator=(const CVarBase&) = delete;
    // Closes the file whatever the open count.
    virtual ~CVarBase();

    // Opens the existing file at GetFilePath (for reading only when it cannot be
    // written), or adds one to the open count when the store is open already.
    // A missing file is reported and fails.
    virtual bool Open();
    virtual bool IsOpen() const { return openCount_ > 0; }
    // Takes one off the open count; the file is closed when it reaches 0.
    virtual void Close();
    // The path of the store's file; "daten.vdt" unless a store class says otherwise.
    virtual std::string GetFilePath() const { return "daten.vdt"; }
    // Blocks in the file (a partial last block counts), whether open or not; 0
    // when there is no file. Saturates at the 32-bit limit.
    virtual std::uint32_t GetBlockCount() const;

    // Reads blocks first .. first + n - 1 into buffer (n x 256 bytes). The buffer
    // is zeroed first; blocks past the end of the file stay zero. Fails when first
    // is not below the block count.
    bool ReadBlocks(std::uint32_t first, std::uint32_t n, std::uint8_t* buffer);
    // Writes n blocks from buffer (n x 256 bytes) starting at block first.
    bool WriteBlocks(std::uint32_t first, std::uint32_t n, const std::uint8_t* buffer);
    // Zeroes block p when it is still damaged: under one lock on blocks p and
    // p + 1 both are read again and stillDamaged(block p, block p + 1) decides,
    // so that a record written there meanwhile by its owner is never lost.
    // block receives what block p now holds. True when the block was zeroed.
    bool ZeroBlockIfStillDamaged(
        std::uint32_t p, std::uint8_t* block,
        const std::function<bool(const std::uint8_t*, const std::uint8_t*)>& stillDamaged);

    // Locks a byte range, retrying every 500 ms; false after 5000 ms without
    // the lock. The store must be open. A zero length locks nothing and succeeds.
    bool LockRange(std::uint64_t offset, std::uint64_t length);
    // Releases a lock taken with LockRange; a failure is reported.
    bool UnlockRange(std::uint64_t offset, std::uint64_t length);

    std::int32_t openCount() const { return openCount_; }
    // Whether the open file can only be read.
    bool readOnly() const { return readOnly_; }
    // The errno of the last failed operation: EAGAIN for a lock not had in time,
    // ESPIPE for blocks asked past the end of the file; 0 before any failure.
    int lastError() const { return lastError_; }

    // How long LockRange keeps trying and how long it waits between tries, in ms.
    static constexpr int kLockTimeoutMs = 5000;
    static constexpr int kLockRetryMs = 500;

  private:
    void reportError(int error) const;
    // Runs access under a lock on the range, then closes once; a failed access
    // (errno set) is reported with the path.
    bool lockedAccess(std::uint64_t offset, std::uint64_t length,
                      const std::function<bool()>& access);

    std::string path_; // the path the file was opened under
    std::int32_t openCount_ = 0;
    int fd_ = -1;
    bool readOnly_ = false;
    int lastError_ = 0;
};

// The cause text shown for an operating-system error number: one of the file
// error texts, or " Diskerror : <number> " for an error without one.
std::string fileErrorCauseText(int error);

// Shows "Der folgende Fehler ist aufgetreten:", the cause text of the error
// number and the path, with a warning icon and an OK button.
void ReportFileError(int error, const std::string& path);

} // namespace veltrano
