#include "document/file_io.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace veltrano {
namespace {

namespace fs = std::filesystem;

// Symbolic links followed before a path counts as a loop, as the system does.
constexpr int kMaxLinkHops = 40;

// The file a save must replace: path itself, or the end of its chain of
// symbolic links, which need not exist yet. 0, or the errno of the failure.
int resolveTarget(const std::string& path, std::string& target) {
    fs::path current(path);
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat status;
        if (::lstat(current.c_str(), &status) != 0) {
            if (errno != ENOENT)
                return errno;
            target = current.string(); // created by the save
            return 0;
        }
        if (!S_ISLNK(status.st_mode)) {
            target = current.string();
            return 0;
        }
        std::error_code error;
        const fs::path next = fs::read_symlink(current, error);
        if (error)
            return error.value();
        current = next.is_absolute() ? next : current.parent_path() / next;
    }
    return ELOOP;
}

// Creates a new, empty temporary file beside target. Returns its descriptor
// (or -1) and its name in tempPath.
int createTempBeside(const std::string& target, const char* suffix, std::string& tempPath) {
    const fs::path targetPath(target);
    fs::path folder = targetPath.parent_path();
    if (folder.empty())
        folder = ".";
    // A short stem keeps the name within the file-name limit however long the target's is.
    const std::string stem = targetPath.filename().string().substr(0, 64);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + stem + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(++counter) + suffix;
        tempPath = (folder / name).string();
        int fd = ::open(tempPath.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

bool writeAll(int fd, std::string_view content) {
    while (!content.empty()) {
        ssize_t written = ::write(fd, content.data(), content.size());
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        content.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

// Makes `to` hold exactly the bytes of `from`, and flushes it to the disk.
bool copyContent(int from, int to) {
    char buffer[65536];
    off_t offset = 0;
    for (;;) {
        ssize_t got = ::pread(from, buffer, sizeof buffer, offset);
        if (got < 0 && errno == EINTR)
            continue;
        if (got < 0)
            return false;
        if (got == 0)
            break;
        if (::lseek(to, offset, SEEK_SET) < 0 ||
            !writeAll(to, std::string_view(buffer, static_cast<std::size_t>(got))))
            return false;
        offset += got;
    }
    return ::ftruncate(to, offset) == 0 && ::fsync(to) == 0;
}

// Makes the rename itself durable; a folder that cannot be synced is no failure
// of the save, which is already complete.
void syncFolderOf(const std::string& target) {
    fs::path folder = fs::path(target).parent_path();
    if (folder.empty())
        folder = ".";
    int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

ReplacementFile::~ReplacementFile() {
    discard();
}

bool ReplacementFile::fail(int error) {
    discard();
    error_ = error;
    errno = error;
    return false;
}

void ReplacementFile::discard() {
    if (fd_ >= 0)
        ::close(fd_);
    fd_ = -1;
    if (!tempPath_.empty())
        ::unlink(tempPath_.c_str());
    tempPath_.clear();
}

bool ReplacementFile::create(const std::string& path) {
    discard();
    error_ = 0;
    if (int error = resolveTarget(path, target_))
        return fail(error);
    struct stat old {};
    const bool exists = ::stat(target_.c_str(), &old) == 0;
    if (exists && !S_ISREG(old.st_mode))
        return fail(S_ISDIR(old.st_mode) ? EISDIR : EINVAL);
    // A file marked read-only is not replaced, also not by the administrator.
    if (exists && (old.st_mode & 0222) == 0)
        return fail(EACCES);
    fd_ = createTempBeside(target_, ".tmp", tempPath_);
    if (fd_ < 0)
        return fail(errno);
    if (exists) {
        // Owner and group first: changing them may clear the set-ID bits.
        if (::fchown(fd_, old.st_uid, old.st_gid) != 0)
            (void)!::fchown(fd_, static_cast<uid_t>(-1), old.st_gid);
        if (::fchmod(fd_, old.st_mode & 07777) != 0)
            return fail(errno);
    }
    return true;
}

bool ReplacementFile::rewriteInPlace() {
    std::string backupPath;
    int backup = createTempBeside(target_, ".old", backupPath);
    if (backup < 0)
        return false;
    int file = ::open(target_.c_str(), O_RDWR | O_CLOEXEC);
    bool ok = file >= 0 && copyContent(file, backup);
    if (ok && !copyContent(fd_, file)) {
        const int error = errno;
        copyContent(backup, file); // the old content back; it fitted before
        errno = error;
        ok = false;
    }
    const int error = errno;
    if (file >= 0)
        ::close(file);
    ::close(backup);
    ::unlink(backupPath.c_str());
    errno = error;
    return ok;
}

bool ReplacementFile::commit() {
    if (fd_ < 0)
        return fail(EBADF);
    if (::fsync(fd_) != 0)
        return fail(errno);
    struct stat old {};
    if (::stat(target_.c_str(), &old) == 0 && old.st_nlink > 1) {
        if (!rewriteInPlace())
            return fail(errno);
        discard();
        return true;
    }
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0)
        return fail(errno);
    if (::rename(tempPath_.c_str(), target_.c_str()) != 0)
        return fail(errno);
    tempPath_.clear();
    syncFolderOf(target_);
    return true;
}

bool replaceFileAtomically(const std::string& path, std::string_view content) {
    ReplacementFile file;
    if (!file.create(path))
        return false;
    if (!writeAll(file.fd(), content)) {
        const int error = errno;
        file.discard();
        errno = error;
        return false;
    }
    return file.commit();
}

} // namespace veltrano
