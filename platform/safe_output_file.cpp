#include "platform/safe_output_file.h"

#include <cerrno>
#include <cstring>
#include <unistd.h>

namespace veltrano {

qint64 DescriptorWriteDevice::writeData(const char* data, qint64 length) {
    if (writeError_ != 0)
        return -1;
    qint64 done = 0;
    while (done < length) {
        const ssize_t put = ::pwrite(fd_, data + done, static_cast<std::size_t>(length - done),
                                     static_cast<off_t>(pos() + done));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0) {
            writeError_ = put < 0 ? errno : ENOSPC;
            return -1;
        }
        done += put;
    }
    return done;
}

SafeOutputFile::SafeOutputFile(std::string target) : target_(std::move(target)) {}

SafeOutputFile::~SafeOutputFile() {
    discard();
}

bool SafeOutputFile::fail(const std::string& error) {
    discard();
    error_ = error;
    return false;
}

bool SafeOutputFile::open() {
    discard();
    error_.clear();
    if (!replacement_.create(target_))
        return fail(std::strerror(replacement_.error()));
    device_ = std::make_unique<DescriptorWriteDevice>(replacement_.fd());
    // Unbuffered: every write reaches the descriptor at once and is checked there.
    device_->open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    return true;
}

bool SafeOutputFile::commit() {
    if (device_ == nullptr || !device_->isOpen())
        return fail(std::strerror(EBADF));
    if (device_->writeError() != 0)
        return fail(std::strerror(device_->writeError()));
    // The device stays (closed) for a writer that still holds it.
    device_->close();
    if (!replacement_.commit())
        return fail(std::strerror(replacement_.error()));
    return true;
}

std::string SafeOutputFile::writeErrorText() const {
    return device_ == nullptr || device_->writeError() == 0 ? std::string()
                                                            : std::strerror(device_->writeError());
}

void SafeOutputFile::discard() {
    if (device_ != nullptr)
        device_->close();
    replacement_.discard();
}

} // namespace veltrano
