#include "records/var_base.h"

#include "core/file_errors.h"
#include "core/markup_literal.h"
#include "core/message_presenter.h"
#include "core/strings.h"
#include "core/translation.h"
#include "records/vdt_format.h"

#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <functional>
#include <limits>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace veltrano {
namespace {

std::uint32_t blockCountOfSize(std::uint64_t size) {
    std::uint64_t blocks = (size + vdt::kBlockSize - 1) / vdt::kBlockSize;
    return blocks > std::numeric_limits<std::uint32_t>::max()
               ? std::numeric_limits<std::uint32_t>::max()
               : static_cast<std::uint32_t>(blocks);
}

// One attempt at an exclusive lock, or its release, on a byte range.
bool setLock(int fd, short type, std::uint64_t offset, std::uint64_t length) {
    struct flock lock = {};
    lock.l_type = type;
    lock.l_whence = SEEK_SET;
    lock.l_start = static_cast<off_t>(offset);
    lock.l_len = static_cast<off_t>(length);
    lock.l_pid = 0; // required for open-file-description locks
    int result;
    do {
        result = ::fcntl(fd, F_OFD_SETLK, &lock);
    } while (result == -1 && errno == EINTR);
    return result == 0;
}

// Reads up to length bytes at offset; stops early at the end of the file.
// Returns false with errno set on a read error.
bool readAt(int fd, std::uint8_t* buffer, std::uint64_t length, std::uint64_t offset) {
    std::uint64_t done = 0;
    while (done < length) {
        ssize_t got = ::pread(fd, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::uint64_t>(got);
    }
    return true;
}

bool writeAt(int fd, const std::uint8_t* buffer, std::uint64_t length, std::uint64_t offset) {
    std::uint64_t done = 0;
    while (done < length) {
        ssize_t put = ::pwrite(fd, buffer + done, length - done, static_cast<off_t>(offset + done));
        if (put < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        if (put == 0) {
            errno = ENOSPC;
            return false;
        }
        done += static_cast<std::uint64_t>(put);
    }
    return true;
}

} // namespace

std::string fileErrorCauseText(int error) {
    FileErrorCause cause = fileErrorCauseFromErrno(error);
    // Errors without a cause of their own are shown with their number.
    if (cause == FileErrorCause::Generic)
        return formatText(" Diskerror : %d ", {std::int64_t{error}});
    return fileErrorText(static_cast<int>(cause));
}

void ReportFileError(int error, const std::string& path) {
    const int language = currentLanguage();
    std::string text = translate("Der folgende Fehler ist aufgetreten:\n", language) +
                       translate(fileErrorCauseText(error), language) + "\n" + markupLiteral(path);
    showMessage(text, MessageStyle::IconExclamation | MessageStyle::Ok);
}

CVarBase::~CVarBase() {
    if (openCount_ > 1)
        openCount_ = 1;
    Close();
}

void CVarBase::reportError(int error) const {
    ReportFileError(error, path_);
}

namespace {

// Opens path for reading and writing, or for reading only when it has no write
// permission bits (as a read-only file is respected whoever asks) or writing is
// refused. Never creates the file. -1 with errno set on failure.
int openExisting(const std::string& path, bool& readOnly) {
    struct stat status;
    if (::stat(path.c_str(), &status) != 0)
        return -1;
    readOnly = (status.st_mode & 0222) == 0;
    int fd;
    do {
        fd = ::open(path.c_str(), (readOnly ? O_RDONLY : O_RDWR) | O_CLOEXEC);
    } while (fd == -1 && errno == EINTR);
    if (fd == -1 && !readOnly && (errno == EACCES || errno == EROFS || errno == EPERM)) {
        readOnly = true;
        do {
            fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
        } while (fd == -1 && errno == EINTR);
    }
    return fd;
}

} // namespace

bool CVarBase::Open() {
    if (openCount_ > 0) {
        ++openCount_;
        return true;
    }
    std::string path = GetFilePath();
    bool readOnly = false;
    int fd = openExisting(path, readOnly);
    if (fd == -1) {
        lastError_ = errno;
        ReportFileError(errno, path);
        return false;
    }
    path_ = path;
    fd_ = fd;
    readOnly_ = readOnly;
    openCount_ = 1;
    return true;
}

void CVarBase::Close() {
    if (openCount_ <= 0)
        return;
    if (--openCount_ < 1) {
        openCount_ = 0;
        ::close(fd_);
        fd_ = -1;
    }
}

std::uint32_t CVarBase::GetBlockCount() const {
    struct stat status;
    if (openCount_ > 0)
        return ::fstat(fd_, &status) == 0
                   ? blockCountOfSize(static_cast<std::uint64_t>(status.st_size))
                   : 0;
    if (::stat(GetFilePath().c_str(), &status) != 0)
        return 0;
    return blockCountOfSize(static_cast<std::uint64_t>(status.st_size));
}

bool CVarBase::LockRange(std::uint64_t offset, std::uint64_t length) {
    if (fd_ < 0)
        return false;
    if (length == 0)
        return true; // a zero length would lock to the end of the file and beyond
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        auto waited = std::chrono::steady_clock::now() - start;
        if (waited >= std::chrono::milliseconds(kLockTimeoutMs)) {
            lastError_ = EAGAIN;
            return false;
        }
        // A file open for reading only takes a shared lock, which still keeps
        // the owner from writing the range while it is read.
        if (setLock(fd_, readOnly_ ? F_RDLCK : F_WRLCK, offset, length))
            return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(kLockRetryMs));
    }
}

bool CVarBase::UnlockRange(std::uint64_t offset, std::uint64_t length) {
    if (length == 0)
        return true;
    if (setLock(fd_, F_UNLCK, offset, length))
        return true;
    lastError_ = errno;
    reportError(errno);
    return false;
}

bool CVarBase::lockedAccess(std::uint64_t offset, std::uint64_t length,
                            const std::function<bool()>& access) {
    if (!LockRange(offset, length)) {
        Close();
        return false;
    }
    if (!access()) {
        int error = errno;
        lastError_ = error;
        UnlockRange(offset, length);
        reportError(error);
        Close();
        return false;
    }
    bool unlocked = UnlockRange(offset, length);
    Close();
    return unlocked;
}

bool CVarBase::ReadBlocks(std::uint32_t first, std::uint32_t n, std::uint8_t* buffer) {
    std::fill(buffer, buffer + std::uint64_t{n} * vdt::kBlockSize, std::uint8_t{0});
    if (!Open())
        return false;
    std::uint32_t count = GetBlockCount();
    if (first >= count) {
        lastError_ = ESPIPE;
        Close();
        return false;
    }
    std::uint64_t offset = std::uint64_t{first} * vdt::kBlockSize;
    std::uint64_t length = std::uint64_t{std::min(n, count - first)} * vdt::kBlockSize;
    // At the end of a file with a partial last block fewer bytes arrive; the
    // rest of the buffer stays zero.
    return lockedAccess(offset, length, [&] { return readAt(fd_, buffer, length, offset); });
}

bool CVarBase::WriteBlocks(std::uint32_t first, std::uint32_t n, const std::uint8_t* buffer) {
    if (!Open())
        return false;
    if (readOnly_) {
        lastError_ = EACCES;
        Close();
        return false;
    }
    // Offsets are taken in 64 bits: a block beyond 4 GiB is written where it is,
    // never at a wrapped-around offset inside another block.
    std::uint64_t offset = std::uint64_t{first} * vdt::kBlockSize;
    std::uint64_t length = std::uint64_t{n} * vdt::kBlockSize;
    return lockedAccess(offset, length, [&] { return writeAt(fd_, buffer, length, offset); });
}

bool CVarBase::ZeroBlockIfStillDamaged(
    std::uint32_t p, std::uint8_t* block,
    const std::function<bool(const std::uint8_t*, const std::uint8_t*)>& stillDamaged) {
    if (!Open())
        return false;
    if (readOnly_ || p + 1 >= GetBlockCount()) {
        lastError_ = readOnly_ ? EACCES : ESPIPE;
        Close();
        return false;
    }
    std::uint8_t pair[2 * vdt::kBlockSize] = {};
    const std::uint64_t offset = std::uint64_t{p} * vdt::kBlockSize;
    bool zeroed = false;
    bool done = lockedAccess(offset, sizeof pair, [&] {
        if (!readAt(fd_, pair, sizeof pair, offset))
            return false;
        if (!stillDamaged(pair, pair + vdt::kBlockSize))
            return true;
        std::fill(pair, pair + vdt::kBlockSize, std::uint8_t{0});
        zeroed = writeAt(fd_, pair, vdt::kBlockSize, offset);
        return zeroed;
    });
    if (done)
        std::copy(pair, pair + vdt::kBlockSize, block);
    return done && zeroed;
}

} // namespace veltrano
