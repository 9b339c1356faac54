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

// The file a save must replace: the target of a symbolic link, else path itself.
std::string resolveTarget(const std::string& path) {
    std::error_code error;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        fs::path target = fs::canonical(path, error);
        if (!error)
            return target.string();
    }
    return path;
}

// Creates a new, empty temporary file beside target. Returns its descriptor
// (or -1) and its name in tempPath.
int createTempBeside(const std::string& target, std::string& tempPath) {
    const fs::path targetPath(target);
    fs::path folder = targetPath.parent_path();
    if (folder.empty())
        folder = ".";
    // A short stem keeps the name within the file-name limit however long the target's is.
    const std::string stem = targetPath.filename().string().substr(0, 64);
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        const std::string name = "." + stem + "." + std::to_string(::getpid()) + "." +
                                 std::to_string(++counter) + ".tmp";
        tempPath = (folder / name).string();
        int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
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

bool replaceFileAtomically(const std::string& path, std::string_view content) {
    const std::string target = resolveTarget(path);
    std::string tempPath;
    int fd = createTempBeside(target, tempPath);
    if (fd < 0)
        return false;
    bool ok = writeAll(fd, content);
    struct stat old {};
    if (ok && ::stat(target.c_str(), &old) == 0)
        ok = S_ISREG(old.st_mode) && ::fchmod(fd, old.st_mode & 07777) == 0;
    ok = ok && ::fsync(fd) == 0;
    ok = (::close(fd) == 0) && ok;
    ok = ok && ::rename(tempPath.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(tempPath.c_str());
        return false;
    }
    syncFolderOf(target);
    return true;
}

} // namespace veltrano
