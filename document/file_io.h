#pragma once
// Whole-file reading and saving for the program's own files. Saving never
// costs the previous version on failure: the new content goes to a temporary
// file in the same folder, is flushed to the disk, and only then put in the
// old file's place.

#include "core/file_read.h"

#include <string>
#include <string_view>

namespace veltrano {

// The replacement of one file, written beside it and put in its place only
// when it is complete.
//
// The file replaced is the one that the path names, following symbolic links:
// a dangling link gets its target created, a link loop is refused (ELOOP). A
// file without any write permission bit is refused (EACCES) whoever asks, as
// is a path that names something other than a regular file (EISDIR, EINVAL).
// The replacement keeps the old file's permission bits, and its owner and group
// where the system allows; a new file gets the usual bits (0666 less the umask).
// A file with more than one hard link is rewritten in place, so that every link
// keeps seeing it: its old content is copied aside first and put back when the
// rewrite fails.
//
// Every operation returns false on failure with error() telling the errno; the
// old file is then unchanged and no temporary file is left behind.
class ReplacementFile {
  public:
    ReplacementFile() = default;
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;
    // Discards a replacement that was not committed.
    ~ReplacementFile();

    // Creates the empty temporary file for the file that path names.
    bool create(const std::string& path);
    // The temporary file, open for writing; -1 before create and after the end.
    int fd() const { return fd_; }
    // Flushes the temporary file to the disk and puts it in the file's place.
    bool commit();
    // Removes the temporary file; the old file stays as it was.
    void discard();
    int error() const { return error_; }

  private:
    bool fail(int error);
    bool rewriteInPlace();

    std::string target_;
    std::string tempPath_;
    int fd_ = -1;
    int error_ = 0;
};

// Replaces the file at path by content through a ReplacementFile. Returns
// false with errno set when anything fails.
bool replaceFileAtomically(const std::string& path, std::string_view content);

} // namespace veltrano
