#pragma once
// An output file for Qt writers (PDF, PNG) that never costs the previous file:
// everything goes to a temporary file beside the target, every write and the
// final flush are checked, and the file takes the target's place only when all
// of it was written.

#include "document/file_io.h"

#include <QIODevice>

#include <memory>
#include <string>

namespace veltrano {

// Writes through a file descriptor it does not own, at the device's position,
// and keeps the errno of the first write that failed. Qt's writers carry on
// after a failed write; this device makes the failure stick.
class DescriptorWriteDevice : public QIODevice {
  public:
    explicit DescriptorWriteDevice(int fd) : fd_(fd) {}
    // The errno of the first failed write; 0 while every write succeeded.
    int writeError() const { return writeError_; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 length) override;

  private:
    int fd_;
    int writeError_ = 0;
};

class SafeOutputFile {
  public:
    explicit SafeOutputFile(std::string target);
    // Discards what was not committed.
    ~SafeOutputFile();
    SafeOutputFile(const SafeOutputFile&) = delete;
    SafeOutputFile& operator=(const SafeOutputFile&) = delete;

    // Creates the temporary file; false (errorText set) when it cannot be made.
    bool open();
    // The device to write to; open between open() and commit() or discard(), and
    // kept (closed) until this object goes.
    QIODevice* device() { return device_.get(); }
    // Whether anything has been written.
    bool hasContent() const {
        return device_ != nullptr && device_->isOpen() && device_->pos() > 0;
    }
    // Puts the file in the target's place; false (errorText set, target as it
    // was, temporary file removed) when any write, the flush or the rename failed.
    bool commit();
    // Removes the temporary file; the target stays as it was.
    void discard();
    // Why the last operation failed, in the system's words; "" after success.
    const std::string& errorText() const { return error_; }
    // Why a write to device() failed, in the system's words; "" while none has.
    std::string writeErrorText() const;

  private:
    bool fail(const std::string& error);

    std::string target_;
    ReplacementFile replacement_;
    std::unique_ptr<DescriptorWriteDevice> device_;
    std::string error_;
};

} // namespace veltrano
